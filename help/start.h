#pragma once
// The help launcher's start-up routine, which main() calls.
namespace pendix::hilfe {

// Opens the launcher's window directly: no wait cursor, nothing else set up.
void Main();

}  // namespace pendix::hilfe
