// Keeps the native backend library non-empty while it grows.
namespace vx::platform::posix { int native_build_marker = 0; }
