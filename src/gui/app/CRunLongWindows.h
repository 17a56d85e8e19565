#pragma once

class QTranslator;
class TMainForm;

// The windows that live for the whole run: the frame first (it becomes the host of
// every project window), then the shared dialogs in their fixed order, each owned by
// the frame and registered in AppWindows(). Destroying this ends them all.
class CRunLongWindows {
public:
    // The frame and every dialog.
    CRunLongWindows();
    // The frame alone; the dialogs follow with CreateDialogs (start-up shows the frame
    // in between, so it appears without waiting for them).
    enum class EFrameOnly { FrameOnly };
    explicit CRunLongWindows(EFrameOnly);
    void CreateDialogs();
    CRunLongWindows(const CRunLongWindows&) = delete;
    CRunLongWindows& operator=(const CRunLongWindows&) = delete;
    ~CRunLongWindows();

    [[nodiscard]] TMainForm& Frame() const { return *MainForm; }

private:
    TMainForm* MainForm = nullptr;
};

// Qt's own Russian texts (standard buttons read "Да" / "Нет"); false when the
// translation is not installed on this system.
bool InstallRussianTranslation(QTranslator& translator);
