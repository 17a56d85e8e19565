#pragma once

#include <QWidget>

class QTextBrowser;

// The help viewer: the HTML help document opened at its contents. A missing or
// unreadable file is reported inside the viewer itself.
class THelpViewer final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THelpViewer)

public:
    explicit THelpViewer(QWidget* parent = nullptr);
    ~THelpViewer() override = default;

    // Shows the file at its contents anchor; false (and the viewer says why) when it cannot be read.
    bool OpenAtContents(const QString& helpFile);
    [[nodiscard]] QTextBrowser* Browser() const { return lbHelpText; }

private:
    QTextBrowser* lbHelpText = nullptr;
};

// Where the program's help file is: beside the program, else in the start directory,
// else in the data folder of an installed program (../share/tessaly from the program).
QString LocateHelpFile(const QString& helpFile, const QString& startDirectory);
QString LocateHelpFile(const QString& helpFile, const QString& startDirectory, const QString& programDirectory);
