#include "hostlink/entity.h"

#include "hostlink/custom_demon.h"
#include "hostlink/message_stream.h"

namespace tessera {

const std::string& TEntity::GetExeName() {
  if (ExeName.empty()) Refresh();
  return ExeName;
}

const std::string& TEntity::GetTitle() {
  if (Title.empty()) Refresh();
  return Title;
}

void TEntity::Refresh() {
  // The own entity describes this program; the host's view of it must not
  // overwrite it (its AuxHandle is the single-instance lock).
  if (!Owner || Owner->IsOwnEntity(this)) return;
  if (auto found = Owner->FindEntityByHandle(Handle)) Assign(found.get());
}

void TEntity::Assign(const TEntity* other) {
  if (!other) return;
  Handle = other->Handle;
  AuxHandle = other->AuxHandle;
  ExeName = other->ExeName;
  Title = other->Title;
}

std::string TEntity::MutexName() {
  const std::string& exe = GetExeName();
  const std::size_t slash = exe.find_last_of('/');
  return "SG_" + (slash == std::string::npos ? exe : exe.substr(slash + 1));
}

void TEntity::WriteTo(TStarGazeMessageStream& stream) {
  stream.WriteInt32(std::int32_t(Handle));
  stream.WriteInt32(std::int32_t(AuxHandle));
  stream.WriteString(GetExeName());
  stream.WriteString(GetTitle());
}

void TEntity::ReadFrom(TStarGazeMessageStream& stream) {
  // Read into locals first, so a truncated record leaves the entity as it was.
  const auto handle = std::uint32_t(stream.ReadInt32());
  const auto aux = std::uint32_t(stream.ReadInt32());
  std::string exe = stream.ReadString();
  std::string title = stream.ReadString();
  Handle = handle;
  AuxHandle = aux;
  ExeName = std::move(exe);
  Title = std::move(title);
}

bool TEntity::IsAlive() const { return Owner && Handle != 0 && Owner->IsWindow(Handle); }

}  // namespace tessera
