#include "ui/ProgramEditor.h"

#include <QFontDatabase>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>

namespace trimerka {

namespace {

// The language's keywords in bold, and a comment from "|" to the end of its line in grey.
class ProgramHighlighter : public QSyntaxHighlighter {
public:
    explicit ProgramHighlighter(QTextDocument* document)
        : QSyntaxHighlighter(document),
          keyword_(QStringLiteral("(?<![\\w])(нц|кц|раз|пока|если|то|иначе|все|и|или|не)(?![\\w])"),
                   QRegularExpression::CaseInsensitiveOption |
                       QRegularExpression::UseUnicodePropertiesOption) {
        keywordFormat_.setFontWeight(QFont::Bold);
        commentFormat_.setForeground(QColor(128, 128, 128));
    }

protected:
    void highlightBlock(const QString& text) override {
        const qsizetype comment = text.indexOf(QLatin1Char('|'));
        const QString code = comment < 0 ? text : text.left(comment);
        for (auto match = keyword_.globalMatch(code); match.hasNext();) {
            const QRegularExpressionMatch word = match.next();
            setFormat(static_cast<int>(word.capturedStart()), static_cast<int>(word.capturedLength()),
                      keywordFormat_);
        }
        if (comment >= 0) {
            setFormat(static_cast<int>(comment), static_cast<int>(text.size() - comment), commentFormat_);
        }
    }

private:
    QRegularExpression keyword_;
    QTextCharFormat keywordFormat_;
    QTextCharFormat commentFormat_;
};

class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(ProgramEditor* editor) : QWidget(editor), editor_(editor) {}

    QSize sizeHint() const override { return QSize(editor_->gutterWidth(), 0); }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->paintGutter(event); }

private:
    ProgramEditor* editor_;
};

constexpr int kGutterPadding = 4;

} // namespace

ProgramEditor::ProgramEditor(QWidget* parent) : QPlainTextEdit(parent) {
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(14);
    setFont(mono);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the next control, so the keyboard reaches every button; indentation is typed with
    // blanks.
    setTabChangesFocus(true);
    new ProgramHighlighter(document());

    gutter_ = new LineNumberGutter(this);
    gutter_->setObjectName(QStringLiteral("lineNumbers"));
    connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { updateGutterWidth(); });
    connect(this, &QPlainTextEdit::updateRequest, this, &ProgramEditor::updateGutter);
    updateGutterWidth();
}

int ProgramEditor::gutterWidth() const {
    const int digits = static_cast<int>(QString::number(qMax(1, blockCount())).size());
    return 2 * kGutterPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * qMax(2, digits);
}

void ProgramEditor::updateGutterWidth() {
    setViewportMargins(gutterWidth(), 0, 0, 0);
}

void ProgramEditor::updateGutter(const QRect& rect, int dy) {
    if (dy != 0) {
        gutter_->scroll(0, dy);
    } else {
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    }
    if (rect.contains(viewport()->rect())) {
        updateGutterWidth();
    }
}

void ProgramEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    gutter_->setGeometry(QRect(area.left(), area.top(), gutterWidth(), area.height()));
}

void ProgramEditor::paintGutter(QPaintEvent* event) {
    QPainter painter(gutter_);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Dark));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    int bottom = top + qRound(blockBoundingRect(block).height());
    const int width = gutter_->width() - kGutterPadding;
    while (block.isValid() && top <= event->rect().bottom()) {
        if (block.isVisible() && bottom >= event->rect().top()) {
            painter.drawText(0, top, width, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
        bottom = top + qRound(blockBoundingRect(block).height());
    }
}

QColor ProgramEditor::markColor(Mark mark) {
    switch (mark) {
    case Mark::Executing:
        return QColor(255, 236, 140);
    case Mark::Next:
        return QColor(200, 230, 255);
    case Mark::Error:
        return QColor(255, 190, 190);
    }
    return {};
}

void ProgramEditor::markLine(int line, Mark mark) {
    const QTextBlock block = document()->findBlockByNumber(line - 1);
    if (line < 1 || !block.isValid()) {
        clearMark();
        return;
    }
    markedLine_ = line;
    mark_ = mark;
    showMark();
    QTextCursor cursor(block);
    QTextEdit::ExtraSelection selection;
    selection.format.setBackground(markColor(mark));
    selection.format.setProperty(QTextFormat::FullWidthSelection, true);
    selection.cursor = cursor;
    setExtraSelections({selection});
}

void ProgramEditor::showMark() {
    // The marked line is brought into sight without moving the pupil's caret.
    const QTextBlock block = document()->findBlockByNumber(markedLine_ - 1);
    const QRectF geometry = blockBoundingGeometry(block).translated(contentOffset());
    if (geometry.top() < 0 || geometry.bottom() > viewport()->height()) {
        QScrollBar* bar = verticalScrollBar();
        const int visibleLines = qMax(1, viewport()->height() / qMax(1, fontMetrics().height()));
        bar->setValue(qMax(0, markedLine_ - 1 - visibleLines / 2));
    }
}

void ProgramEditor::clearMark() {
    markedLine_ = 0;
    setExtraSelections({});
}

void ProgramEditor::moveCaretToLine(int line) {
    const QTextBlock block = document()->findBlockByNumber(line - 1);
    if (!block.isValid()) {
        return;
    }
    setTextCursor(QTextCursor(block));
    ensureCursorVisible();
}

} // namespace trimerka
