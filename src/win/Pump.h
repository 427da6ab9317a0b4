// Work that must not freeze the window: it runs on a thread of its own while the calling
// (UI) thread keeps dispatching its messages, dialog keys included.
#pragma once

#include <functional>

namespace win {

// Runs work on a worker thread and returns once it has ended; meanwhile this thread dispatches
// its messages. A WM_QUIT seen meanwhile is posted again afterwards. Without a thread to be had,
// work runs here.
void RunWhilePumping(const std::function<void()>& work);

}  // namespace win
