#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QVideoCutManageDlg;
class QVideoEditingDlg;

// Drives the editing dialog the way a person does: segments queued on the real
// segment manager, a row's edit button clicked, the queue converted.
class EditingDlgDriver
{
public:
    // A part of a file, in seconds.
    struct Range
    {
        double start;
        double end;
    };

    EditingDlgDriver();
    ~EditingDlgDriver();

    // The editing dialog on screen, if any.
    static QVideoEditingDlg* shownDialog();
    // A text file in the test media folder; its path.
    static QString writeText(const QString& name, const QByteArray& text);
    // Every file below the folder.
    static QStringList filesBelow(const QString& folder);
    // Outputs go to folder/Converted, named after the source, with a preset of
    // the shipped profile list.
    static void setOutput(const QString& folder, const QString& source, const char* category = "General Video",
                          const char* id = "4000");

    // An empty queue and a new segment manager in list mode on screen; false
    // when it never showed.
    bool showPanel();
    // Closes the segment manager and empties the queue.
    void closePanel();
    QVideoCutManageDlg* panel() const { return m_panel.get(); }

    // Queues a segment of the file, trimmed to the range when one is given;
    // false when the file gave no segment.
    bool addSegment(const QString& file, bool selected, std::optional<Range> range = std::nullopt);

    // Clicks the row's edit button and, once the dialog has loaded and the wait
    // dialog's own loop has returned, runs the steps. A dialog the steps left
    // open (a failed check returns early) is ended so the test goes on.
    // Whether the steps ran.
    bool edit(int row, const std::function<void(QVideoEditingDlg*)>& steps);

    // Converts the queue, answering every message box, and waits up to two
    // minutes for the end; whether it ended. The boxes' messages go to messages.
    bool runConversion(QStringList& messages);
    // Converts every segment into root/Converted with a preset that keeps the
    // size; the conversion ends and reports no message. The outputs.
    void convertAll(const QString& root, const QString& clip, QStringList& outputs);

private:
    std::unique_ptr<QVideoCutManageDlg> m_panel;
};
