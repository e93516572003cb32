#pragma once
// The skinned popups (function menu, sub-menu, warning) as frameless,
// shaped top-level QWidgets over PopupEvents.
#include <QWidget>

#include <memory>

#include "platform/popup.h"
#include "platform/qt/qt_drawing.h"

namespace vx::platform {

std::unique_ptr<PopupWindow> CreateQtPopup(PopupEvents& events, QWidget* owner, const QtFonts& fonts);

// Runs a popup modally over `owner` until its events call EndModal.
int RunQtModalPopup(PopupEvents& events, QWidget* owner, const QtFonts& fonts);

// The widget of a popup made here, null for any other.
QWidget* WidgetOfPopup(PopupWindow& popup);

// Ends every modal popup's run as its cancel key would.
void CancelModalPopups();

// A Windows region as a Qt one (the window shape, a repaint area).
QRegion ToQRegion(const Region& region);

}  // namespace vx::platform
