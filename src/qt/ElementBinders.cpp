#include "qt/ElementBinders.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <cstddef>

#include "qt/BarChart.h"
#include "qt/FormRenderer.h"
#include "qt/FormWindow.h"
#include "qt/LongTextView.h"
#include "qt/Pictures.h"
#include "qt/QtText.h"

namespace quintara {

namespace {

constexpr int kButtonPadding = 6;  // pixels a push button keeps clear on either side of its caption
constexpr int kBoxPadding = 2;     // pixels a bordered label keeps clear inside its border

Qt::Alignment ToQtAlignment(ui::Alignment alignment) {
    switch (alignment) {
    case ui::Alignment::Right:
        return Qt::AlignRight;
    case ui::Alignment::Center:
        return Qt::AlignHCenter;
    case ui::Alignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

// Whether text set in font fits area: on one line for a button, wrapped at words for a label.
bool Fits(const QString& text, const QFont& font, const QRect& area, bool wraps) {
    const QFontMetrics metrics(font);
    if (!wraps) {
        // The caption as shown: an ampersand marks the next letter and is not drawn, unless another follows.
        QString shown;
        shown.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] != QLatin1Char('&') || (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))) {
                shown.append(text[i]);
            }
        }
        return metrics.horizontalAdvance(shown) <= area.width();
    }
    const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20), Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// Gives the widget the element's font; where fits, made smaller until the caption fits the widget.
void ApplyFont(FormWindow& window, QWidget& widget, const ui::Element& element, Binding& binding,
               bool textChanged, bool fits) {
    const bool fontChanged = binding.font != element.font;
    if (!fontChanged && !textChanged && (!fits || binding.fittedSize == widget.size())) {
        return;
    }
    binding.font = element.font;
    QFont font = window.FontOf(element);
    if (fits) {
        binding.fittedSize = widget.size();
        const bool wraps = element.Kind() == ui::ElementKind::Label;
        const int padding = wraps ? static_cast<QLabel&>(widget).margin() : 0;
        const QRect area = wraps ? widget.contentsRect().adjusted(padding, padding, -padding, -padding)
                                 : widget.rect().adjusted(kButtonPadding, 0, -kButtonPadding, 0);
        const QString text = ToQt(binding.text);
        while (font.pointSizeF() > kSmallestPointSize && !Fits(text, font, area, wraps)) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
    }
    if (widget.font() != font) {
        widget.setFont(font);
    }
}

void ApplyColors(FormWindow& window, QWidget& widget, const ui::Element& element, Binding& binding,
                 QPalette::ColorRole fore, QPalette::ColorRole back) {
    if (binding.foreColor == element.foreColor && binding.backColor == element.backColor) {
        return;
    }
    binding.foreColor = element.foreColor;
    binding.backColor = element.backColor;
    QPalette palette = window.Content().palette();
    if (element.foreColor) {
        palette.setColor(fore, QColor::fromRgb(static_cast<QRgb>(*element.foreColor)));
    }
    if (element.backColor) {
        palette.setColor(back, QColor::fromRgb(static_cast<QRgb>(*element.backColor)));
    }
    widget.setPalette(palette);
    if (back == QPalette::Window) {
        widget.setAutoFillBackground(element.backColor.has_value());
    }
}

// A box of typed text: the element's colours on the text and its background, its font as given.
void ApplyBoxLook(FormWindow& window, QWidget& widget, const ui::Element& element, Binding& binding) {
    ApplyColors(window, widget, element, binding, QPalette::Text, QPalette::Base);
    ApplyFont(window, widget, element, binding, false, false);
}

// A multi-line box whose typing reaches the element through typed(element, text); a locked one, which
// may hold a report of any length, shows its text lazily.
QWidget* MakeLines(FormWindow& window, ui::Element& element, bool locked,
                   bool (*typed)(ui::Element& element, const std::string& text)) {
    if (locked) {
        return new LongTextView(&window.Content());
    }
    auto* edit = new QPlainTextEdit(&window.Content());
    QObject::connect(edit, &QPlainTextEdit::textChanged, &window,
                     [&window, serial = element.Serial(), edit, typed] {
                         window.OnUser(serial, [&window, edit, typed](ui::Element& box) {
                             std::string text = ToProgramLines(edit->toPlainText());
                             if (typed(box, text)) {
                                 window.BindingOf(box.Serial()).text = std::move(text);
                             }
                         });
                     });
    return edit;
}

// Brings a multi-line box up to date with its element's text, without raising its change.
void SyncLines(QWidget& lines, Binding& binding, const std::string& text) {
    if (binding.text == text) {
        return;
    }
    binding.text = text;
    if (auto* view = qobject_cast<LongTextView*>(&lines)) {
        view->SetText(ToQtLines(text));
    } else {
        const QSignalBlocker quiet(&lines);
        static_cast<QPlainTextEdit&>(lines).setPlainText(ToQtLines(text));
    }
}

// Whether a multi-line box's widget is the one for its lock: locked, the lazy view.
bool SuitsLines(bool locked, const QWidget& widget) {
    return locked == (qobject_cast<const LongTextView*>(&widget) != nullptr);
}

// Labels and pictures are QLabels; a click on one reaches the window through its event filter.
QWidget* MakeLabel(FormWindow& window, ui::Element&) {
    auto* label = new QLabel(&window.Content());
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->installEventFilter(&window);
    return label;
}

void ApplyLabel(FormWindow& window, const ui::Element& element, Binding& binding) {
    const auto& label = static_cast<const ui::Label&>(element);
    auto* shown = static_cast<QLabel*>(binding.widget.data());
    const bool captionChanged = binding.text != label.caption;
    if (captionChanged) {
        binding.text = label.caption;
        shown->setText(ToQt(label.caption));
    }
    // A bordered label is a box: its caption sits in the middle, clear of the border.
    const Qt::Alignment alignment =
        ToQtAlignment(label.alignment) | (label.border ? Qt::AlignVCenter : Qt::AlignTop);
    if (shown->alignment() != alignment) {
        shown->setAlignment(alignment);
    }
    const int frame = label.border ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame;
    if (shown->frameStyle() != frame) {
        shown->setFrameStyle(frame);
    }
    const int padding = label.border ? kBoxPadding : 0;
    if (shown->margin() != padding) {
        shown->setMargin(padding);
    }
    ApplyColors(window, *shown, element, binding, QPalette::WindowText, QPalette::Window);
    ApplyFont(window, *shown, element, binding, captionChanged, true);
}

QWidget* MakeTextBox(FormWindow& window, ui::Element& element) {
    const auto& textBox = static_cast<const ui::TextBox&>(element);
    if (textBox.multiLine) {
        return MakeLines(window, element, textBox.locked, [](ui::Element& box, const std::string& text) {
            return static_cast<ui::TextBox&>(box).UserTypes(text);
        });
    }
    auto* edit = new QLineEdit(&window.Content());
    QObject::connect(edit, &QLineEdit::textEdited, &window,
                     [&window, serial = element.Serial()](const QString& text) {
                         window.OnUser(serial, [&window, &text](ui::Element& box) {
                             // The widget shows what was typed; a refused entry then differs and is put back.
                             window.BindingOf(box.Serial()).text = text.toStdString();
                             static_cast<ui::TextBox&>(box).UserTypes(text.toStdString());
                         });
                     });
    return edit;
}

void ApplyTextBox(FormWindow& window, const ui::Element& element, Binding& binding) {
    const auto& box = static_cast<const ui::TextBox&>(element);
    QWidget* widget = binding.widget;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (binding.text != box.text) {
            binding.text = box.text;
            edit->setText(ToQt(box.text));
        }
        if (edit->isReadOnly() != box.locked) {
            edit->setReadOnly(box.locked);
        }
        const int maxLength = box.maxLength > 0 ? box.maxLength : 32767;
        if (edit->maxLength() != maxLength) {
            edit->setMaxLength(maxLength);
        }
        const Qt::Alignment alignment = ToQtAlignment(box.alignment) | Qt::AlignVCenter;
        if (edit->alignment() != alignment) {
            edit->setAlignment(alignment);
        }
    } else {
        SyncLines(*widget, binding, box.text);
    }
    ApplyBoxLook(window, *widget, element, binding);
}

bool SuitsTextBox(const ui::Element& element, const QWidget& widget) {
    const auto& box = static_cast<const ui::TextBox&>(element);
    return box.multiLine
               ? qobject_cast<const QLineEdit*>(&widget) == nullptr && SuitsLines(box.locked, widget)
               : qobject_cast<const QLineEdit*>(&widget) != nullptr;
}

QWidget* MakeComboBox(FormWindow& window, ui::Element& element) {
    auto* combo = new QComboBox(&window.Content());
    combo->setEditable(static_cast<ui::ComboBox&>(element).editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    const std::uint64_t serial = element.Serial();
    QObject::connect(combo, &QComboBox::activated, &window, [&window, serial](int position) {
        window.OnUser(
            serial, [position](ui::Element& box) { static_cast<ui::ComboBox&>(box).UserSelects(position); });
    });
    if (QLineEdit* edit = combo->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, &window, [&window, serial](const QString& text) {
            window.OnUser(serial, [&window, &text](ui::Element& box) {
                window.BindingOf(box.Serial()).text = text.toStdString();
                static_cast<ui::ComboBox&>(box).UserTypes(text.toStdString());
            });
        });
    }
    return combo;
}

void ApplyComboBox(FormWindow& window, const ui::Element& element, Binding& binding) {
    const auto& box = static_cast<const ui::ComboBox&>(element);
    auto* combo = static_cast<QComboBox*>(binding.widget.data());
    const QSignalBlocker quiet(combo);
    if (binding.items != box.Items()) {
        binding.items = box.Items();
        combo->clear();
        for (const auto& item : box.Items()) {
            combo->addItem(ToQt(item));
        }
    }
    if (combo->currentIndex() != box.ListIndex()) {
        combo->setCurrentIndex(box.ListIndex());
    }
    if (combo->isEditable() && binding.text != box.Text()) {
        binding.text = box.Text();
        combo->setEditText(ToQt(box.Text()));
    }
    ApplyBoxLook(window, *combo, element, binding);
}

QWidget* MakeButton(FormWindow& window, ui::Element& element) {
    auto* button = new QPushButton(&window.Content());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &window, [&window, serial = element.Serial()] {
        window.OnUser(serial, [](ui::Element& pressed) { pressed.UserClick(); });
    });
    return button;
}

void ApplyButton(FormWindow& window, const ui::Element& element, Binding& binding) {
    const auto& button = static_cast<const ui::CommandButton&>(element);
    auto* pushed = static_cast<QPushButton*>(binding.widget.data());
    const bool captionChanged = binding.text != button.caption;
    if (captionChanged) {
        binding.text = button.caption;
        pushed->setText(ToQt(button.caption));
    }
    ApplyColors(window, *pushed, element, binding, QPalette::ButtonText, QPalette::Button);
    ApplyFont(window, *pushed, element, binding, captionChanged, true);
}

QWidget* MakeRichText(FormWindow& window, ui::Element& element) {
    return MakeLines(window, element, static_cast<const ui::RichTextBox&>(element).locked,
                     [](ui::Element& box, const std::string& text) {
                         return static_cast<ui::RichTextBox&>(box).UserTypes(text);
                     });
}

void ApplyRichText(FormWindow& window, const ui::Element& element, Binding& binding) {
    const auto& box = static_cast<const ui::RichTextBox&>(element);
    SyncLines(*binding.widget, binding, box.text);
    ApplyBoxLook(window, *binding.widget, element, binding);
}

void ApplyImage(FormWindow&, const ui::Element& element, Binding& binding) {
    const auto& image = static_cast<const ui::Image&>(element);
    auto* shown = static_cast<QLabel*>(binding.widget.data());
    const QSize size = image.stretch ? shown->size() : QSize();
    if (binding.picture != image.picture || (!image.picture.empty() && binding.fittedSize != size)) {
        binding.picture = image.picture;
        binding.fittedSize = size;
        ShowPicture(*shown, image.picture, image.stretch);
    }
    if (shown->hasScaledContents() != image.stretch) {
        shown->setScaledContents(image.stretch);
    }
}

bool SuitsRichText(const ui::Element& element, const QWidget& widget) {
    return SuitsLines(static_cast<const ui::RichTextBox&>(element).locked, widget);
}

QWidget* MakeChart(FormWindow& window, ui::Element&) {
    auto* view = new QChartView(&window.Content());
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

void ApplyChart(FormWindow&, const ui::Element& element, Binding& binding) {
    const auto& chart = static_cast<const ui::Chart&>(element);
    if (binding.chart == chart.Data()) {
        return;
    }
    binding.chart = chart.Data();
    auto* view = static_cast<QChartView*>(binding.widget.data());
    QChart* old = view->chart();
    view->setChart(MakeBarChart(chart.Data()));
    ShowBarTips(*view, chart.Data());
    delete old;
}

QWidget* MakeNoWidget(FormWindow&, ui::Element&) {
    return nullptr;
}

void ApplyMenuItem(FormWindow&, const ui::Element& element, Binding& binding) {
    const auto& item = static_cast<const ui::MenuItem&>(element);
    QAction* action = binding.action;
    if (action == nullptr) {
        return;
    }
    if (binding.text != item.caption) {
        binding.text = item.caption;
        action->setText(item.IsSeparator() ? QString() : ToQt(item.caption));
    }
    if (action->isVisible() != item.visible) {
        action->setVisible(item.visible);
    }
    if (action->isEnabled() != item.enabled) {
        action->setEnabled(item.enabled);
    }
    // Only a checked item shows the mark; choosing an item never ticks it by itself.
    if (action->isCheckable() != item.checked || action->isChecked() != item.checked) {
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
    }
}

// In the order of ui::ElementKind.
constexpr std::array<ElementBinder, 8> kBinders{{
    {MakeLabel, ApplyLabel},
    {MakeTextBox, ApplyTextBox, SuitsTextBox},
    {MakeComboBox, ApplyComboBox},
    {MakeButton, ApplyButton},
    {MakeNoWidget, ApplyMenuItem},
    {MakeRichText, ApplyRichText, SuitsRichText},
    {MakeLabel, ApplyImage},
    {MakeChart, ApplyChart},
}};
static_assert(static_cast<std::size_t>(ui::ElementKind::Chart) + 1 == kBinders.size());

}  // namespace

const ElementBinder& BinderFor(ui::ElementKind kind) {
    return kBinders[static_cast<std::size_t>(kind)];
}

}  // namespace quintara
