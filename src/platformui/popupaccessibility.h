#pragma once

// Qt leaves pop-up menus off the accessibility tree: a menu opened on its own (not from a menu bar
// or a tool button) names the application as its parent, and the application lists no pop-up
// window, so a screen reader walking the tree never meets it. Installed before the QApplication
// is made, the application lists every such menu while it is open.
void installPopupAccessibility();
