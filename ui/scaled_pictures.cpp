#include "ui/scaled_pictures.h"

#include "platform/dpi.h"
#include "platform/module.h"
#include "res/resource_ids.h"

namespace tl {
namespace {

constexpr COLORREF kButtonMaskColour = 0xFF00FF;  // magenta is transparent in the pictures

struct PictureIds {
  int percent;
  int picker;
  int dragCursor;
  int copy;
  int remove;
};

// Smallest scale first.
constexpr PictureIds kPictureIds[] = {
    {100, IDI_PICKER, IDC_DRAG_CURSOR, IDB_COPY, IDB_DELETE},
    {125, IDI_PICKER_125, IDC_DRAG_CURSOR_125, IDB_COPY_125, IDB_DELETE_125},
    {150, IDI_PICKER_150, IDC_DRAG_CURSOR_150, IDB_COPY_150, IDB_DELETE_150},
    {200, IDI_PICKER_200, IDC_DRAG_CURSOR_200, IDB_COPY_200, IDB_DELETE_200},
};

const PictureIds& IdsForDpi(UINT dpi) {
  const PictureIds* chosen = &kPictureIds[0];
  for (const PictureIds& ids : kPictureIds) {
    if (static_cast<UINT>(ids.percent) * kDefaultDpi <= dpi * 100) chosen = &ids;
  }
  return *chosen;
}

HANDLE LoadPicture(int id, UINT type, int size) {
  return ::LoadImageA(Module::Instance(), MAKEINTRESOURCEA(id), type, size, size, 0);
}

HIMAGELIST LoadButtonPicture(int id, int size) {
  return ImageList_LoadImageA(Module::Instance(), MAKEINTRESOURCEA(id), size, 1, kButtonMaskColour,
                              IMAGE_BITMAP, 0);
}

}  // namespace

void ScaledPictures::Load(UINT dpi) {
  const PictureIds& ids = IdsForDpi(dpi);
  m_percent = ids.percent;
  m_picker.Reset(static_cast<HICON>(LoadPicture(ids.picker, IMAGE_ICON, PickerSize())));
  m_dragCursor.Reset(
      static_cast<HCURSOR>(LoadPicture(ids.dragCursor, IMAGE_CURSOR, Scaled(32, m_percent))));
  m_copy.Reset(LoadButtonPicture(ids.copy, Scaled(30, m_percent)));
  m_delete.Reset(LoadButtonPicture(ids.remove, Scaled(30, m_percent)));
}

HICON LoadIconForDpi(int id, int metric, UINT dpi) {
  const int size = SystemMetricForDpi(metric, dpi);
  return static_cast<HICON>(LoadPicture(id, IMAGE_ICON, size));
}

}  // namespace tl
