#include "app/main_window.h"

#include "app/window_centring.h"
#include "platform/module.h"
#include "res/resource_ids.h"

namespace tl {

MainWindow::~MainWindow() {
  if (m_loop) {
    m_loop->RemoveMessageFilter(this);
    m_loop->RemoveIdleHandler(this);
  }
  // The icons must outlive the window that shows them.
  if (Handle()) ::DestroyWindow(Handle());
}

bool MainWindow::Create() { return CreateModeless(IDD_MAIN, nullptr) != nullptr; }

bool MainWindow::PreTranslateMessage(MSG& message) {
  if (!Handle()) return false;
  if (m_accelerators && ::TranslateAcceleratorA(Handle(), m_accelerators, &message)) return true;
  return ::IsDialogMessageA(Handle(), &message) != FALSE;
}

void MainWindow::OnIdle() { m_menuState.Apply(); }

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_INITDIALOG:
      result = OnInitDialog();
      return true;
    case WM_CLOSE:
      // The close box, Alt+F4 and the exit sequence all end here. Run the close
      // handler now rather than through the dialog manager, which would post the
      // command and so let a quit request already queued overtake it.
      OnClose();
      return true;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), nullptr);
    default:
      return false;
  }
}

bool MainWindow::OnInitDialog() {
  CentreWindow(Handle());
  m_accelerators = ::LoadAcceleratorsA(Module::Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
  LoadWindowIcons();

  m_loop = LoopTable::ForCurrentThread();
  if (m_loop) {
    m_loop->AddMessageFilter(this);
    m_loop->AddIdleHandler(this);
  }
  m_menuState.SetOwner(Handle());
  m_menuState.Reset(ID_ALWAYS_ON_TOP);

  m_currentNotation = kNotationRgb;
  m_currentColour = kWhite;
  return true;  // the dialog manager focuses the first tab stop
}

void MainWindow::LoadWindowIcons() {
  const HINSTANCE instance = Module::Instance();
  m_bigIcon.Reset(static_cast<HICON>(
      ::LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                   ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0)));
  ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_bigIcon.Get()));
  m_smallIcon.Reset(static_cast<HICON>(
      ::LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0)));
  ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.Get()));
}

bool MainWindow::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDOK:  // Enter outside a push button does nothing
      return true;
    case IDCANCEL:
      OnClose();
      return true;
    case ID_APP_EXIT:
      OnExit();
      return true;
    default:
      return false;
  }
}

// Closing only hides the window, unless the program is exiting.
void MainWindow::OnClose() {
  if (!m_exiting) {
    ::ShowWindow(Handle(), SW_HIDE);
    return;
  }
  ::DestroyWindow(Handle());
  ::PostQuitMessage(IDCANCEL);
}

void MainWindow::OnExit() {
  m_exiting = true;
  // The close request is handled before the quit request behind it, whose code
  // (0) becomes the exit code. The quit goes to the thread, not the window: the
  // close destroys the window, and with it anything still queued for it.
  ::PostMessageA(Handle(), WM_CLOSE, 0, 0);
  ::PostMessageA(nullptr, WM_QUIT, 0, 0);
}

}  // namespace tl
