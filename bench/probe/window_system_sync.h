#pragma once
// Waits until the window system has carried out everything this program has sent
// it (on X: one round trip), so that what Qt has painted and flushed is on the
// screen. Does nothing on a platform without a server (offscreen).
namespace bench {

void syncWithWindowSystem();

}  // namespace bench
