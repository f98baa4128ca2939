#pragma once
// The message numbers of the host protocol and the limits of a frame.

#include <cstddef>
#include <cstdint>

namespace tessera {

enum THostMessage : std::int32_t {
  hmQuit = 0x1000,         // host -> program: byte ServerDown
  hmReply = 0x1001,        // host -> waiting program: the reply's bytes, stamped like the request
  hmLogin = 0x1002,        // program -> host: own entity record
  hmLogout = 0x1003,       // program -> host: own entity record
  hmFindEntity = 0x1004,   // byte 1 + int32 handle, or byte 2 + string title; reply: entity record or empty
  hmParams = 0x1005,       // second instance -> first: string list of its parameters
  hmExecute = 0x1006,      // string file, string parameters, byte wait, int32 mode; reply: int32 pid
  hmGetResource = 0x1007,  // string name; reply: byte found, then the bytes
  hmGetFileName = 0x1008,  // string executable path; reply: string
  hmGetString = 0x1009,    // string name; reply: string
  hmGetPath = 0x100A,      // string name; reply: string
};

// The two kinds of hmFindEntity.
enum TFindEntityKind : std::uint8_t {
  feByHandle = 1,  // followed by an int32 window handle
  feByTitle = 2,   // followed by a string title
};

// The largest frame accepted (header, time stamp and payload); larger ones are
// refused before anything is allocated.
constexpr std::size_t kMaxFrameSize = std::size_t(16) << 20;

// What other processes can make a receiving endpoint hold, in all (each
// endpoint's defaults; docs/hostlink.md states them for host writers):
// - at most 32 connections open at once; a new one closes the oldest that is
//   still waiting for its frame (a real exchange needs one or two);
constexpr std::size_t kMaxInboundConnections = 32;
// - at most 32 MiB of unfinished frames over all connections (two of the
//   largest frames); a connection whose bytes would pass it is closed;
constexpr std::size_t kMaxInboundBytes = std::size_t(32) << 20;
// - a connection's frame must be complete 10 s after it was accepted (the
//   sender stops waiting then anyway), else the connection is closed;
constexpr int kFrameDeadlineMs = 10000;
// - when the process has no descriptor left for a new connection, accepting
//   rests for 0.5 s (said once on standard error) instead of retrying at once.
constexpr int kAcceptPauseMs = 500;

}  // namespace tessera

namespace tessera {

// Class and window names of the two kinds of endpoint. The host's carry the
// suffix that selects one host among several.
inline constexpr char kServerWindowClass[] = "ThisIsTheStarGazeServerComponentWindowClass";
inline constexpr char kServerWindowName[] = "ThisIsTheStarGazeServerComponentWindow";
inline constexpr char kClientWindowClass[] = "ThisIsTheStarGazeClientComponentWindowClass";

}  // namespace tessera
