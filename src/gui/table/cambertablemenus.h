// The Camber Table window's menu bar: Back, Print, Export CSV, Options
// (Specs for Table Rows & Columns, Heat-Map Differences), the Baseline menu
// with the check marks of the quantity shown, Graph and Help. Every item
// calls the window's own command; the items are named for the tests and the
// end-to-end map.
#pragma once

class QMenu;

namespace tarvik::gui {

class CamberTableWindow;

// Builds the menu bar of window and returns its Baseline menu, whose title
// the window keeps up to date.
QMenu *buildCamberTableMenus(CamberTableWindow &window, bool canOpenTableSpecs);

} // namespace tarvik::gui
