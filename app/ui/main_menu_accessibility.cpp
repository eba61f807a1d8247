// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/main_menu_accessibility.h"

#include "app/ui/hot_image.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {
const char* const StatusLineProperty = "statusLine";

// A picture: a button whose press action clicks it, as Enter and Space do.
class PictureButton : public QAccessibleWidget {
public:
    explicit PictureButton(HotImage* image) : QAccessibleWidget(image, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            emit static_cast<HotImage*>(widget())->Clicked();
        else
            QAccessibleWidget::doAction(name);
    }
};

// The status line: a status bar whose name is its text. The label tells a new text
// as a change of its name.
class StatusLine : public QAccessibleWidget {
public:
    explicit StatusLine(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Interface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("TfrmMain"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("HotImage"))
        return new PictureButton(static_cast<HotImage*>(widget));
    if (className == QLatin1String("QLabel") && widget->property(StatusLineProperty).toBool())
        return new StatusLine(static_cast<QLabel*>(widget));
    return nullptr;
}
} // namespace

void InstallMainMenuAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Interface);
        return true;
    }();
    (void)installed;
}

void MarkStatusLine(QLabel* label) {
    label->setProperty(StatusLineProperty, true);
}
