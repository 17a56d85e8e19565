#pragma once

class QTranslator;
class TMainForm;

// The windows that live for the whole run: the frame (it becomes the host of every
// project window), and the shared dialogs, each owned by the frame, registered in
// AppWindows() and made on its first use, so that start-up pays only for the frame.
// Destroying this ends them all.
class CRunLongWindows {
public:
    CRunLongWindows();
    // The same; kept for the callers that say they want the frame first.
    enum class EFrameOnly { FrameOnly };
    explicit CRunLongWindows(EFrameOnly);
    // Every dialog now, for a caller that shows them all (the screenshots).
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
