#pragma once
// One program window as the host protocol describes it: its endpoint handle,
// an auxiliary handle, the full path of its executable and its title.
//
// Record form: int32 Handle, int32 AuxHandle, string ExeName, string Title.

#include <cstdint>
#include <string>

namespace tessera {

class TkdbCustomDemon;
class TStarGazeMessageStream;

class TEntity {
 public:
  // Handles 0, strings empty. `owner` (may be null) answers Refresh and IsAlive.
  explicit TEntity(TkdbCustomDemon* owner = nullptr) : Owner(owner) {}

  TkdbCustomDemon* Owner;
  std::uint32_t Handle = 0;     // the program's endpoint (or the host's); 0: none
  std::uint32_t AuxHandle = 0;  // own entity: the single-instance lock, 0 until taken; others: as the host sends
  std::string ExeName;          // full path of the program's executable
  std::string Title;            // the program's application title

  // The strings, asking the host first (Refresh) when they are empty.
  const std::string& GetExeName();
  const std::string& GetTitle();
  // Copies what the host knows of Handle (FindEntityByHandle) into this entity.
  // Never for the component's own entity, whose data is its own.
  void Refresh();
  // Copies the four fields; nothing when `other` is null.
  void Assign(const TEntity* other);
  // "SG_" followed by the executable's file name without its directory.
  std::string MutexName();

  void WriteTo(TStarGazeMessageStream& stream);
  // Throws EReadError when the record runs past the end of the stream.
  void ReadFrom(TStarGazeMessageStream& stream);

  // True when Handle names an endpoint that accepts a connection.
  bool IsAlive() const;
};

}  // namespace tessera
