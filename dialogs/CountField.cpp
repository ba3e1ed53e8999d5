#include "dialogs/CountField.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include "dialogs/FocusRing.h"
#include "platform/qt/Text.h"
#include "platform/qt/accessibility/Announce.h"
#include "resources/Menu.h"

namespace {

// How far the ring's face reaches beyond the digits: the ring itself lies
// focus_ring::kInset inside it, two pixels clear of the digits.
constexpr int kRingReach = focus_ring::kInset + 2;

class CountFieldAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit CountFieldAccessible(CountField* field) : QAccessibleWidget(field, QAccessible::SpinBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(Picker().GetNumber());
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return Picker().GetNumber(); }
    void setCurrentValue(const QVariant&) override {}  // the number changes by its arrows only
    QVariant maximumValue() const override { return Picker().Largest(); }
    QVariant minimumValue() const override { return Picker().Smallest(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    const CountPicker& Picker() const { return static_cast<const CountField*>(widget())->Picker(); }
};

QAccessibleInterface* MakeAccessible(const QString&, QObject* object) {
    auto* field = qobject_cast<CountField*>(object);
    return field == nullptr ? nullptr : new CountFieldAccessible(field);
}

}  // namespace

CountField::CountField(const CountPicker& picker, QWidget* dialog) : QWidget(dialog), m_picker(picker) {
    static const bool installed = [] {
        QAccessible::installFactory(MakeAccessible);
        return true;
    }();
    static_cast<void>(installed);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(platform::qt::WithoutAccessKey(platform::qt::Tr(res::kNumberOfGlimbles)));
    setAccessibleDescription(QCoreApplication::translate("Count dialog", "minimum %1, maximum %2")
                                 .arg(picker.Smallest())
                                 .arg(picker.Largest()));
    Place();
}

void CountField::Place() {
    const platform::Rect left = m_picker.LeftArrowRect();
    const platform::Rect right = m_picker.RightArrowRect();
    setGeometry(QRect(left.x, left.y, right.x + right.w - left.x, left.h)
                    .adjusted(-kRingReach, -kRingReach, kRingReach, kRingReach));
}

void CountField::AnnounceNumber() {
    QAccessibleValueChangeEvent changed(this, m_picker.GetNumber());
    platform::qt::Announce(changed);
}

void CountField::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    const platform::Rect digits = m_picker.DigitsRect();
    QPainter painter(this);
    const QRect face = QRect(digits.x, digits.y, digits.w, digits.h)
                           .adjusted(-kRingReach, -kRingReach, kRingReach, kRingReach)
                           .translated(-pos());
    focus_ring::Draw(painter, focus_ring::Ring::kFocus, face, focus_ring::kInset);
}

void CountField::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CountField::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}
