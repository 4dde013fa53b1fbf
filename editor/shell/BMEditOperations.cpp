// The Edit menu's commands: undo and redo, set, clear and reset in the current edit mode or a
// given layer, and copy and paste through the clipboard.
#include "editor/model/BMEditor.h"
#include "editor/shell/BMMessageBox.h"
#include "editor/shell/BMOperationFrame.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMCommandId.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMLimitText.h"
#include "framework/gui/HClipBoard.h"

namespace BMOperations {

namespace {

void copy(const BMOperationFrame& frame)
{
    HClipBoard clipboard(frame.window()->getHandle());
    clipboard.setText(frame.display()->getEditor().copySelection());
    if (!clipboard.write()) {
        HLOG_INFO("OP2154:clipboard write error.");
    }
}

// Tells why a text is no map, and which cells of a pasted map the map file could not hold.
void paste(const BMOperationFrame& frame)
{
    BMDisplay* display = frame.display();
    HClipBoard clipboard(frame.window()->getHandle());
    if (!clipboard.read()) {
        HLOG_INFO("OP2154:clipboard read error.");
    } else if (!display->pasteSelection(clipboard.getText())) {
        frame.tell("クリップボードの内容はマップとして貼り付けられません。\n" + display->getEditor().getPasteError(),
                   "貼り付け", BMMessageBox::TELL);
    } else if (display->getLastCut().any()) {
        frame.tell(BMLimitText::box(display->getLastCut(), "貼り付けたセルのうち、"), "貼り付け",
                   BMMessageBox::TELL);
    }
}

}  // namespace

bool OP2154(HComponent* window, uint32_t id)
{
    BMOperationFrame frame("OP2154", window, id);
    if (!frame.ready()) {
        return true;
    }
    frame.result = true;
    BMDisplay* display = frame.display();
    BMEditor& editor = display->getEditor();
    switch (id) {
    case kCommandUndo: display->show(editor.undo()); break;
    case kCommandRedo: display->show(editor.redo()); break;
    case kCommandSet: display->show(editor.execSet(0)); break;
    case kCommandClear: display->show(editor.execSet(MODE_CLEAR)); break;
    case kCommandReset: display->show(editor.execReset()); break;
    case kCommandCopy: copy(frame); break;
    case kCommandPaste: paste(frame); break;
    case kCommandSetCharacter: display->show(editor.execSet(MODE_CHAR)); break;
    case kCommandSetObject: display->show(editor.execSet(MODE_OBJ)); break;
    case kCommandSetHeight: display->show(editor.execSet(MODE_HEIGHT)); break;
    case kCommandSetPlacement: display->show(editor.execSet(MODE_PLACEMENT)); break;
    case kCommandClearCharacter: display->show(editor.execSet(MODE_CLEAR | MODE_CHAR)); break;
    case kCommandClearObject: display->show(editor.execSet(MODE_CLEAR | MODE_OBJ)); break;
    case kCommandClearHeight: display->show(editor.execSet(MODE_CLEAR | MODE_HEIGHT)); break;
    case kCommandClearPlacement: display->show(editor.execSet(MODE_CLEAR | MODE_PLACEMENT)); break;
    case kCommandClearAll:
        display->show(editor.execSet(MODE_CLEAR | MODE_CHAR | MODE_OBJ | MODE_HEIGHT | MODE_PLACEMENT));
        break;
    default: break;  // cancel does nothing
    }
    return true;
}

}  // namespace BMOperations
