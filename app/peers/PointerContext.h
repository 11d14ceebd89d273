// Whether what the program is doing now follows a mouse action on a peer (a
// context menu then opens at the pointer) or a key (it opens where the
// platform says, at the selected item).
#pragma once

// A press or release of a mouse button on a peer.
void NotePointerAction();
// True while handling the event of the last pointer action (or shortly after).
bool PointerActionJustHappened();
