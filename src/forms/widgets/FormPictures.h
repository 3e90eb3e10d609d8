#pragma once

namespace quillane {

// Makes the pictures compiled into the program (":/toolbar/...", ":/list/...", ":/status/...",
// ":/AAA.ico") available; a window calls it before it loads any of them.
void loadFormPictures();

} // namespace quillane
