#pragma once

#include <QColor>
#include <QPlainTextEdit>

namespace trimerka {

// The text of a pupil's program: a monospaced editor with the line numbers in a gutter at its left, the
// keywords in bold and the comments in grey, and one line that may be marked, the one being executed or the
// one with a syntax error.
class ProgramEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    enum class Mark { Executing, Next, Error };

    explicit ProgramEditor(QWidget* parent = nullptr);

    // Marks a line (from 1) with the background of its kind and shows it; a line outside the text marks
    // nothing.
    void markLine(int line, Mark mark);
    void clearMark();
    // The marked line (from 1), 0 when none.
    int markedLine() const { return markedLine_; }
    Mark mark() const { return mark_; }
    // Puts the caret at the start of a line (from 1) and shows it.
    void moveCaretToLine(int line);

    // The gutter's width for the present number of lines.
    int gutterWidth() const;
    // What the gutter draws: the numbers of the lines in sight.
    void paintGutter(QPaintEvent* event);

    static QColor markColor(Mark mark);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateGutterWidth();
    void updateGutter(const QRect& rect, int dy);
    void showMark();

    QWidget* gutter_ = nullptr;
    int markedLine_ = 0;
    Mark mark_ = Mark::Executing;
};

} // namespace trimerka
