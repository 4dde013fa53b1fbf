// The Other menu's commands, the area data editor and the version dialog, and the area
// panel's music line.
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/shell/BMAreaDialog.h"
#include "editor/shell/BMMusicPreview.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMVersionDialog.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"

namespace BMOperations {

bool openAreaEditor(BMWindow* window, uint32_t index)
{
    BMData* data = BMData::getInstance(false);
    BMDisplay* display = window != nullptr ? window->getDisplay() : nullptr;
    if (data == nullptr || display == nullptr || data->getArea(index) == nullptr) {
        return false;
    }
    BMAreaDialog dialog(*data, index + 1);
    if (dialog.showModal(window->getHandle()) != IDOK) {
        return false;
    }
    bool changed = !data->getArea(index)->sameFields(dialog.getRecord());
    display->show(display->getEditor().editArea(index + 1, dialog.getRecord()));
    return changed;
}

bool OP2401(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2401", window, id);
    if (!frame.ready() || frame.data()->getCurrent() == 0) {
        return true;
    }
    frame.result = openAreaEditor(frame.window(), frame.data()->getCurrent() - 1);
    return true;
}

bool OP2408(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2408", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    BMVersionDialog dialog;
    frame.result = dialog.showModal(frame.window()->getHandle()) == IDOK;
    return true;
}

bool OP2005(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2005", window, id);
    if (frame.window() == nullptr) {
        return true;
    }
    frame.result = true;
    frame.window()->getMusicPreview().toggle(frame.data());
    return true;
}

}  // namespace BMOperations
