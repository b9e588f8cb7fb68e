#pragma once

// Makes picture boxes with keyboard actions appear to assistive tools as buttons that can be
// pressed and asked for their menu, like a click and a right click. Safe to call more than once.
void installPictureBoxAccessibility();
