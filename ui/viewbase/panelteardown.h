#pragma once

class QWidget;

// Called first in the destructor of a panel, dialog or miniature. Going away, the panel hides
// its children, the focus leaves an open edit and the edit commits: into a form the destructor
// has already freed, and on to the instrument, a value the user never confirmed. A panel going
// away commits and sends nothing, so every widget inside it stops signalling.
void silenceForTeardown(QWidget *panel);
