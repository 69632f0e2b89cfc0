#include "framework/DialogBuilder.h"

#include "framework/MultiLineEdit.h"
#include "framework/SpinControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>

#include <algorithm>

namespace tarvel {
namespace {

Qt::Alignment TextAlignment(ControlStyles styles) {
    Qt::Alignment alignment = styles.testFlag(ControlStyle::Centered) ? Qt::AlignHCenter
                                                                      : Qt::AlignLeft;
    return alignment | (styles.testFlag(ControlStyle::VCenter) ? Qt::AlignVCenter : Qt::AlignTop);
}

// A line of column texts, each centred over its column.
QWidget* MakeColumnLabels(const ControlTemplate& c, QWidget* parent, const DialogUnits& units) {
    auto* line = new QWidget(parent);
    line->setAccessibleName(c.items.join(QChar(u' ')));
    const int width = units.toPixelsX(c.columnWidth);
    const int height = units.toPixelsY(c.rect.height());
    const int left = units.toPixelsX(c.rect.x());
    for (qsizetype i = 0; i < c.items.size() && i < static_cast<qsizetype>(c.columns.size()); ++i) {
        auto* label = new QLabel(c.items.at(i), line);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(units.toPixelsX(c.columns.at(i)) - left, 0, width, height);
    }
    return line;
}

QWidget* MakeLabel(const ControlTemplate& c, QWidget* parent, const DialogUnits& units) {
    if (!c.items.isEmpty())
        return MakeColumnLabels(c, parent, units);
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(c.text);
    label->setWordWrap(true);
    label->setAlignment(TextAlignment(c.styles));
    return label;
}

// A label with room for one line shows its whole text on that line: a font a little
// wider than the template's would otherwise wrap the rest out of sight. It grows to the
// right, or both ways when centred, and draws no background over its neighbours.
QRect FitOneLineLabel(QLabel* label, QRect geometry) {
    const QFontMetrics metrics(label->font());
    if (2 * geometry.height() >= 3 * metrics.height())
        return geometry;
    label->setWordWrap(false);
    const int needed = metrics.horizontalAdvance(label->text()) + 2;
    if (needed <= geometry.width())
        return geometry;
    const int extra = needed - geometry.width();
    if (label->alignment() & Qt::AlignHCenter)
        geometry.adjust(-extra / 2, 0, extra - extra / 2, 0);
    else
        geometry.setWidth(needed);
    return geometry;
}

QWidget* MakeGroupBox(const ControlTemplate& c, QWidget* parent) {
    auto* box = new QGroupBox(c.text, parent);
    // A frame never takes clicks from the controls it surrounds.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

QWidget* MakeEdit(const ControlTemplate& c, QWidget* parent) {
    if (c.styles.testFlag(ControlStyle::MultiLine)) {
        auto* box = new MultiLineEdit(parent);
        box->setWantReturn(c.styles.testFlag(ControlStyle::WantReturn));
        box->setVerticalScrollBarPolicy(c.styles.testFlag(ControlStyle::VScroll)
                                            ? Qt::ScrollBarAsNeeded
                                            : Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setKeepWithinBox(!c.styles.testFlag(ControlStyle::VScroll));
        box->setReadOnly(c.styles.testFlag(ControlStyle::ReadOnly));
        if (!c.styles.testFlag(ControlStyle::Border))
            box->setFrameShape(QFrame::NoFrame);
        box->setPlainText(c.text);
        return box;
    }
    auto* edit = new QLineEdit(c.text, parent);
    edit->setFrame(c.styles.testFlag(ControlStyle::Border));
    edit->setReadOnly(c.styles.testFlag(ControlStyle::ReadOnly));
    edit->setAlignment((c.styles.testFlag(ControlStyle::Centered) ? Qt::AlignHCenter : Qt::AlignLeft) |
                       Qt::AlignVCenter);
    if (c.styles.testFlag(ControlStyle::Number))
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QWidget* MakeCombo(const ControlTemplate& c, QWidget* parent, const DialogUnits& units) {
    auto* combo = new QComboBox(parent);
    if (c.kind == ControlKind::ComboDropDown) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
    }
    combo->addItems(c.items);
    combo->setCurrentIndex(-1);
    if (combo->lineEdit())
        combo->lineEdit()->clear();
    // The template's height is that of the open list; show as many items as it holds.
    const int listHeight = units.toPixelsY(c.rect.height()) - combo->sizeHint().height();
    combo->setMaxVisibleItems(std::max(1, listHeight / std::max(1, units.baseY)));
    return combo;
}

QWidget* MakeListBox(const ControlTemplate& c, QWidget* parent) {
    // A view, so that its owner can list lines from a model of its own.
    auto* list = new QListView(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setVerticalScrollBarPolicy(c.styles.testFlag(ControlStyle::VScroll)
                                         ? Qt::ScrollBarAsNeeded
                                         : Qt::ScrollBarAlwaysOff);
    if (!c.styles.testFlag(ControlStyle::Border))
        list->setFrameShape(QFrame::NoFrame);
    return list;
}

QWidget* MakeButton(const ControlTemplate& c, QWidget* parent) {
    return new QPushButton(c.text, parent);
}

QWidget* MakeIcon(QWidget* parent, const QRect& pixels) {
    auto* label = new QLabel(parent);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = parent->style()->standardIcon(QStyle::SP_MessageBoxInformation);
    const int side = std::min(pixels.width(), pixels.height());
    label->setPixmap(icon.pixmap(side, side));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* MakeSpin(const ControlTemplate& c, QWidget* parent) {
    auto* spin = new SpinControl(parent);
    spin->setWrapping(c.styles.testFlag(ControlStyle::Wrap));
    spin->setArrowKeys(c.styles.testFlag(ControlStyle::ArrowKeys));
    return spin;
}

Qt::FocusPolicy FocusPolicyFor(const ControlTemplate& c) {
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::Icon:
        return Qt::NoFocus;
    default:
        return c.styles.testFlag(ControlStyle::TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    }
}

}  // namespace

QString ControlName(int id) { return QStringLiteral("control%1").arg(id); }

QString StaticControlName(int index) { return QStringLiteral("static%1").arg(index); }

BuiltTemplate BuildControls(const DialogTemplate& tmpl, QWidget* parent) {
    BuiltTemplate built;
    built.font = TemplateFont(tmpl.fontName, tmpl.pointSize);
    parent->setFont(built.font);
    built.units = DialogUnits::ForFont(built.font);
    built.clientSize = built.units.toPixels(QRect(QPoint(0, 0), tmpl.rect.size())).size();

    QWidget* previous = nullptr;     // the control before, a spin's buddy
    QWidget* lastInTabOrder = nullptr;
    QPushButton* defaultButton = nullptr;
    QList<QWidget*> frames;
    int index = 0;
    for (const ControlTemplate& c : tmpl.controls) {
        const QRect pixels = built.units.toPixels(c.rect);
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::Label: widget = MakeLabel(c, parent, built.units); break;
        case ControlKind::GroupBox: widget = MakeGroupBox(c, parent); break;
        case ControlKind::Edit: widget = MakeEdit(c, parent); break;
        case ControlKind::ComboDropDownList:
        case ControlKind::ComboDropDown: widget = MakeCombo(c, parent, built.units); break;
        case ControlKind::ListBox: widget = MakeListBox(c, parent); break;
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: widget = MakeButton(c, parent); break;
        case ControlKind::CheckBox: widget = new QCheckBox(c.text, parent); break;
        case ControlKind::Spin: widget = MakeSpin(c, parent); break;
        case ControlKind::Icon: widget = MakeIcon(parent, pixels); break;
        }
        widget->setObjectName(c.id == kNoControlId ? StaticControlName(index) : ControlName(c.id));
        QRect geometry = pixels;
        if (qobject_cast<QComboBox*>(widget))
            geometry.setHeight(std::min(pixels.height(), widget->sizeHint().height()));
        if (auto* label = qobject_cast<QLabel*>(widget))
            geometry = FitOneLineLabel(label, geometry);
        widget->setGeometry(geometry);
        widget->setFocusPolicy(FocusPolicyFor(c));
        if (c.styles.testFlag(ControlStyle::Hidden))
            widget->setVisible(false);
        if (c.styles.testFlag(ControlStyle::Disabled))
            widget->setEnabled(false);

        if (c.kind == ControlKind::DefPushButton && !defaultButton) {
            defaultButton = static_cast<QPushButton*>(widget);
            defaultButton->setDefault(true);
        }
        if (c.kind == ControlKind::GroupBox)
            frames.append(widget);
        if (auto* spin = qobject_cast<SpinControl*>(widget);
            spin && c.styles.testFlag(ControlStyle::AutoBuddy))
            spin->setBuddy(qobject_cast<QLineEdit*>(previous));
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (lastInTabOrder)
                QWidget::setTabOrder(lastInTabOrder, widget);
            lastInTabOrder = widget;
        }
        previous = widget;
        ++index;
    }
    for (QWidget* frame : frames)
        frame->lower();
    return built;
}

}  // namespace tarvel
