// The About box of the Help menu, as a modal dialog of the page.
#pragma once

// The program's name, version and copyright under an icon area that shows no image, with one
// default «ОК» button; Enter, Esc and the button close it. Laid out in dialog units (a quarter of
// the dialog font's average character width, an eighth of its height), so it keeps its proportions
// with any font the browser gives it. Returns once the player has closed it.
void RunAboutDialog();
