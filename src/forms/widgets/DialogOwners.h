#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace quillane {

// Where each window registers itself as the owner of the boxes shown on its behalf.
class DialogOwners {
public:
    virtual ~DialogOwners() = default;

    virtual void setOwnerWindow(DialogOwner owner, QWidget* window) = 0;
};

} // namespace quillane
