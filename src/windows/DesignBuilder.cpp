#include "windows/DesignBuilder.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "drill/RunTimeError.h"
#include "platform/FontSubstitutes.h"
#include "platform/Pictures.h"
#include "windows/LineWidget.h"
#include "windows/MultiLineBox.h"
#include "windows/TextBoxGuard.h"

namespace builder {

using design::Control;
using design::Kind;

namespace {

// Pixels between a box's frame and its text, as a single-line box leaves them.
constexpr int kTextMargin = 2;

int pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / design::kTwipsPerPixel));
}

bool has(const Control& c, unsigned flag) { return (c.flags & flag) != 0; }

// One byte of a 0x00BBGGRR colour: red at shift 0, green at 8, blue at 16.
int channel(design::Colour value, int shift) { return static_cast<int>((value >> shift) & 0xFFu); }

// owner names the control or window in the message when the colour is refused.
QColor colour(design::Colour value, const char* owner) {
    if ((value & design::kSystemColour) == 0)
        return QColor(channel(value, 0), channel(value, 8), channel(value, 16));
    // The designs use two system colours: window text, and the active border behind a picture.
    if (value == design::kWindowText)
        return QPalette().color(QPalette::WindowText);
    if (value == design::kActiveBorder)
        return QPalette().color(QPalette::Window);
    // Any other would show a colour nobody chose: a design that names one is a fault of the build.
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(value));
    throw RunTimeError(std::string("Unknown system colour ") + hex + " for " + owner);
}

QFont font(const design::Font& spec, const QFont& fallback) {
    if (spec.family == nullptr)
        return fallback;
    // Made with the installed face straight away, so no look-up ever asks for a missing family.
    const InstalledFace face = installedFace(spec.family, spec.points);
    QFont result(QString::fromUtf8(face.family));
    result.setPointSizeF(spec.points);
    result.setWeight(face.weight);
    result.setStretch(face.stretch);
    result.setItalic(false);
    return result;
}

QRect geometryOf(const Control& c) {
    return QRect(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
}

Qt::Alignment alignmentOf(const Control& c) {
    switch (c.align) {
    case design::Align::Right: return Qt::AlignRight;
    case design::Align::Center: return Qt::AlignHCenter;
    case design::Align::Left: break;
    }
    return Qt::AlignLeft;
}

QString text(const char* caption) {
    return caption != nullptr ? QString::fromUtf8(caption) : QString();
}

// Multi-line boxes keep each line break as one new line, however it was written.
QString plainLines(const char* caption) { return text(caption).replace("\r\n", "\n"); }

// Colours the roles a widget fills and writes with; a multi-line box names its own, since its
// text stands on its viewport.
void paint(QWidget* w, const Control& c, bool opaque, QPalette::ColorRole back,
           QPalette::ColorRole fore) {
    QPalette palette = w->palette();
    if (c.backColour != design::kDefaultColour)
        palette.setColor(back, colour(c.backColour, c.name));
    if (c.foreColour != design::kDefaultColour)
        palette.setColor(fore, colour(c.foreColour, c.name));
    w->setPalette(palette);
    w->setAutoFillBackground(opaque);
}

void paint(QWidget* w, const Control& c, bool opaque) {
    paint(w, c, opaque, w->backgroundRole(), w->foregroundRole());
}

QWidget* makeLabel(const Control& c, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text(c.caption));
    label->setAlignment(alignmentOf(c) | Qt::AlignTop);
    // A caption wraps at its blanks only: one without a blank stays a single word on one line.
    label->setWordWrap(text(c.caption).contains(' '));
    // Text stands against the edge, whether or not the label has a border just then.
    label->setIndent(0);
    paint(label, c, !has(c, design::kTransparent));
    return label;
}

// Lines of a multi-line box stand one font height apart, that height rounded once, rather than
// its ascent, descent and leading each rounded up: the designs' boxes hold that many lines.
void setLineHeight(QTextEdit* box) {
    QTextBlockFormat spacing;
    spacing.setLineHeight(std::round(QFontMetricsF(box->font()).height()),
                          QTextBlockFormat::FixedHeight);
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(spacing);
}

QWidget* makeTextBox(const Control& c, QWidget* parent) {
    if (has(c, design::kMultiLine)) {
        auto* box = new MultiLineBox(parent);
        box->setAcceptRichText(false);
        box->setPlainText(plainLines(c.caption));
        box->setReadOnly(has(c, design::kReadOnly));
        box->setVerticalScrollBarPolicy(has(c, design::kVScroll) ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QTextEdit::WidgetWidth);
        // Tab moves on through the window, as in every other box, rather than typing a tab.
        box->setTabChangesFocus(true);
        // Text starts where a single-line box starts it, and a line may run on to the frame at
        // the right: the designs' boxes were sized for lines set close to both edges.
        box->document()->setDocumentMargin(kTextMargin);
        QTextFrameFormat margins = box->document()->rootFrame()->frameFormat();
        margins.setRightMargin(0);
        box->document()->rootFrame()->setFrameFormat(margins);
        paint(box, c, true, QPalette::Base, QPalette::Text);
        TextBoxGuard::guard(box);
        return box;
    }
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setText(text(c.caption));
    box->setAlignment(alignmentOf(c) | Qt::AlignVCenter);
    box->setReadOnly(has(c, design::kReadOnly));
    paint(box, c, true);
    if (has(c, design::kDisabled)) {
        // The question stands in disabled boxes and has to stay easy to read and copy.
        QPalette palette = box->palette();
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         palette.color(QPalette::Active, QPalette::Text));
        box->setPalette(palette);
    }
    TextBoxGuard::guard(box);
    return box;
}

QWidget* makeButton(const Control& c, QWidget* parent) {
    auto* button = new QPushButton(text(c.caption), parent);
    // No button is a default or cancel button: Enter belongs to the boxes' own handlers.
    button->setAutoDefault(false);
    button->setDefault(false);
    if (has(c, design::kGraphical) && c.backColour != design::kDefaultColour) {
        // A flat fill, so the button shows its back colour itself rather than a tint of it.
        const QColor back = colour(c.backColour, c.name);
        button->setStyleSheet(
            QString("QPushButton { background-color: %1; border: 1px solid %2;"
                    " border-radius: 2px; padding: 0px; }"
                    "QPushButton:pressed { background-color: %3; }"
                    "QPushButton:focus { border: 2px solid %2; }")
                .arg(back.name(), back.darker(200).name(), back.darker(115).name()));
    }
    return button;
}

QWidget* makeOptionButton(const Control& c, QWidget* parent) {
    if (!has(c, design::kGraphical)) {
        auto* option = new QRadioButton(text(c.caption), parent);
        option->setAutoExclusive(true);
        paint(option, c, true);
        return option;
    }
    auto* option = new QToolButton(parent);
    option->setText(text(c.caption));
    option->setCheckable(true);
    option->setAutoExclusive(true);
    option->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    option->setAutoRaise(true);  // flat, without a 3-D edge, until pressed
    option->setFocusPolicy(Qt::StrongFocus);
    const QPixmap up = picture(c.picture);
    const QPixmap down = c.downPicture != nullptr ? picture(c.downPicture) : up;
    QIcon icon;
    icon.addPixmap(up, QIcon::Normal, QIcon::Off);
    icon.addPixmap(down, QIcon::Normal, QIcon::On);
    option->setIcon(icon);
    if (!up.isNull())
        option->setIconSize(up.size().expandedTo(down.size()));
    paint(option, c, true);
    return option;
}

QWidget* makeFrame(const Control& c, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::NoFrame);
    paint(frame, c, true);
    return frame;
}

// Placed at its design's corner; one that sizes itself takes its picture's size and its border.
QWidget* makePicture(const Control& c, QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setFocusPolicy(Qt::TabFocus);  // picture boxes stand in the tab order
    const QPixmap pixmap = picture(c.picture);
    box->setPixmap(pixmap);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setScaledContents(false);
    const int border = has(c, design::kSunken) ? 2 : 0;
    if (border > 0) {
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setLineWidth(border);
    }
    QRect geometry = geometryOf(c);
    if (has(c, design::kAutoSize) && !pixmap.isNull())
        geometry.setSize(pixmap.size() + QSize(2 * border, 2 * border));
    box->setGeometry(geometry);
    return box;
}

// A line's four numbers are its two end points; it places itself around them.
QWidget* makeLine(const Control& c, QWidget* parent) {
    return new LineWidget(QPoint(pixels(c.left), pixels(c.top)),
                          QPoint(pixels(c.width), pixels(c.height)), c.lineWidth, parent);
}

QWidget* placed(QWidget* widget, const Control& c) {
    widget->setGeometry(geometryOf(c));
    return widget;
}

// The control of a design row, made and placed in its parent.
QWidget* makeControl(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::Label: return placed(makeLabel(c, parent), c);
    case Kind::TextBox: return placed(makeTextBox(c, parent), c);
    case Kind::CommandButton: return placed(makeButton(c, parent), c);
    case Kind::OptionButton: return placed(makeOptionButton(c, parent), c);
    case Kind::Frame: return placed(makeFrame(c, parent), c);
    case Kind::PictureBox: return makePicture(c, parent);
    case Kind::Line: return makeLine(c, parent);
    }
    // Only a value outside the enumeration gets here: a fault of the build, named.
    throw RunTimeError(std::string("Unknown kind of control for ") + c.name);
}

}  // namespace

QIcon icon(std::span<const char* const> sizes) {
    QIcon result;
    for (const char* path : sizes)
        result.addPixmap(picture(path));
    return result;
}

Controls build(const design::Window& design, QWidget& window) {
    Controls controls;
    window.setWindowTitle(text(design.caption));
    window.resize(pixels(design.clientWidth), pixels(design.clientHeight));
    const QFont windowFont = font(design.font, window.font());
    window.setFont(windowFont);
    if (design.backColour != design::kDefaultColour) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, colour(design.backColour, design.caption));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    if (!design.icon.empty())
        window.setWindowIcon(icon(design.icon));

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const Control& c : design.controls) {
        QWidget* parent = c.container != nullptr ? controls.get<QWidget>(c.container) : &window;
        QWidget* widget = makeControl(c, parent);
        widget->setFont(font(c.font, parent->font()));
        if (auto* box = qobject_cast<QTextEdit*>(widget))
            setLineHeight(box);
        widget->setEnabled(!has(c, design::kDisabled));
        widget->setObjectName(QString::fromUtf8(c.name));
        controls.add(c.name, widget);
        if (c.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(c.tabIndex, widget);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    // The first control in the tab order has the focus when the window first shows.
    for (const auto& entry : tabOrder) {
        if (entry.second->isEnabled()) {
            entry.second->setFocus();
            break;
        }
    }
    return controls;
}

}  // namespace builder
