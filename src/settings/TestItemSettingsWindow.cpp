#include "settings/TestItemSettingsWindow.h"

#include "runtime/LayoutUnits.h"
#include "runtime/MessageBoxService.h"
#include "controls/PictureCommandButton.h"
#include "settings/SettingsLayout.h"
#include "runtime/StockImages.h"
#include "runtime/SystemColors.h"
#include "settings/XmszDataObject.h"

#include <QGroupBox>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;
using settings::SettingsControl;

namespace {

const QString kAttention = u"注意"_s;

QFont controlFont(const SettingsControl &c)
{
    QFont font(u"Arial"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(c.pointSize);
    font.setWeight(c.bold ? QFont::Bold : QFont::Normal);
    return font;
}

void setTextColor(QWidget *widget, long code)
{
    QPalette pal = widget->palette();
    const QColor color = rt::colors::fromCode(code);
    pal.setColor(QPalette::Active, QPalette::WindowText, color);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, color);
    pal.setColor(QPalette::Active, QPalette::ButtonText, color);
    pal.setColor(QPalette::Inactive, QPalette::ButtonText, color);
    widget->setPalette(pal);
}

} // namespace

TestItemSettingsWindow::TestItemSettingsWindow(const settings::SettingsYearProfile &profile,
                                               rt::Transaction &sqlca, QWidget *parent)
    : QDialog(parent)
    , m_profile(profile)
    , m_sqlca(sqlca)
    , m_dw_1(settings::d_xmsz())
{
    setObjectName(profile.className);
    setWindowTitle(profile.title);
    // A title bar only: no system menu, no close, minimize or maximize box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowIcon(rt::stock::icon(u"AppIcon!"_s));
    setModal(true);
    setFixedSize(profile.clientSizePixels());
    buildControls();
}

void TestItemSettingsWindow::buildControls()
{
    const std::vector<SettingsControl> controls = settings::settingsControls(m_profile);
    std::vector<QWidget *> onTop;

    for (const SettingsControl &c : controls) {
        QWidget *widget = nullptr;
        switch (c.kind) {
        case SettingsControl::Kind::GroupBox: {
            auto *box = new QGroupBox(c.text, this);
            box->setFont(controlFont(c));
            setTextColor(box, c.textColor);
            widget = box;
            break;
        }
        case SettingsControl::Kind::RadioButton: {
            auto *button = new QRadioButton(c.text, this);
            // Groups come from the enclosing group boxes, not from the parent.
            button->setAutoExclusive(false);
            button->setFont(controlFont(c));
            setTextColor(button, c.textColor);
            button->setChecked(c.checked);
            button->setEnabled(c.enabled);
            m_radios[c.name] = button;
            widget = button;
            onTop.push_back(button);
            break;
        }
        case SettingsControl::Kind::DataView:
            // The data view's rows live in m_dw_1; its control is never shown.
            widget = new QWidget(this);
            break;
        case SettingsControl::Kind::PictureButton: {
            pfc_picture_command_button::Declaration d;
            d.buttontext = c.text;
            d.bitmapname = c.bitmapname;
            d.x = c.rect.x();
            d.y = c.rect.y();
            d.width = c.rect.width();
            d.height = c.rect.height();
            d.enabled = c.enabled;
            auto *button = new pfc_picture_command_button(d, this);
            (c.name == u"cb_1"_s ? m_cb_1 : m_cb_2) = button;
            widget = button;
            onTop.push_back(button);
            break;
        }
        }
        widget->setObjectName(c.name);
        widget->setGeometry(rt::units::toPixels(c.rect));
        if (!c.visible)
            widget->hide();
    }

    // Every radio button and button lies above the group boxes around it.
    for (QWidget *widget : onTop)
        widget->raise();

    for (const settings::ChoiceGroup &group : settings::choiceGroups(controls)) {
        auto *exclusive = new QButtonGroup(this);
        exclusive->setObjectName(group.groupBox + u"_choices"_s);
        exclusive->setExclusive(true);
        for (const QString &name : group.radioButtons)
            exclusive->addButton(radio(name));
    }

    for (const settings::ChoiceItem &item : settings::choiceItems()) {
        // clicked comes from the user only (also on a checked button);
        // setChecked from code raises none.
        connect(radio(item.radioButton), &QRadioButton::clicked, this,
                &TestItemSettingsWindow::choiceClicked);
    }
    connect(m_cb_1, &pfc_picture_command_button::clicked, this,
            &TestItemSettingsWindow::saveChoices);
    connect(m_cb_2, &pfc_picture_command_button::clicked, this,
            &TestItemSettingsWindow::closeWindow);

    QWidget *previous = nullptr;
    for (const QString &name : settings::keyboardOrder(controls)) {
        QWidget *widget = name == u"cb_1"_s ? m_cb_1->command_button()
            : name == u"cb_2"_s             ? m_cb_2->command_button()
                                            : static_cast<QWidget *>(radio(name));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QRadioButton *TestItemSettingsWindow::radio(const QString &name) const
{
    const auto it = m_radios.find(name);
    Q_ASSERT(it != m_radios.end());
    return it->second;
}

void TestItemSettingsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    placeOnScreen();
    openYear();
}

void TestItemSettingsWindow::placeOnScreen()
{
    // Centred on the parent window, or on the screen without one.
    QRect area;
    if (parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (QScreen *s = screen())
        area = s->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
}

void TestItemSettingsWindow::reject()
{
    // Only the close button closes this window.
}

void TestItemSettingsWindow::setSaveAvailable(bool available)
{
    m_cb_1->setAvailable(available); // the inner button first, then the control
}

void TestItemSettingsWindow::openYear()
{
    for (const settings::ChoiceItem &item : settings::choiceItems())
        radio(item.radioButton)->setChecked(false);

    m_dw_1.setTransObject(&m_sqlca);
    long row = m_dw_1.retrieve({ m_profile.yearCode });
    if (row > 0) {
        for (const settings::ChoiceItem &item : settings::choiceItems()) {
            if (m_dw_1.getItemString(1, item.column) == u"1"_s)
                radio(item.radioButton)->setChecked(true);
        }
        return;
    }
    if (row < 0) {
        // The year's row could not be read: it may well exist, so starting a
        // new one would add a second row for the year on saving.
        const QString reason = m_sqlca.SQLErrText.isEmpty() ? u"读取项目设置失败。"_s
                                                            : m_sqlca.SQLErrText;
        rt::MessageBoxService::show(this, u"错误"_s, reason,
                                    rt::MessageBoxService::Icon::StopSign);
        setSaveAvailable(false);
        return;
    }
    row = m_dw_1.insertRow(0);
    if (row == -1) {
        rt::MessageBoxService::show(this, kAttention, u"新建设置不能执行！"_s);
        setSaveAvailable(false);
        return;
    }
    setSaveAvailable(true);
}

void TestItemSettingsWindow::saveChoices()
{
    const long row = m_dw_1.getRow();
    bool saved = false;
    if (row > 0) {
        for (const settings::ChoiceItem &item : settings::choiceItems()) {
            m_dw_1.setItem(row, item.column,
                           radio(item.radioButton)->isChecked() ? u"1"_s : u"0"_s);
        }
        m_dw_1.setItem(row, u"nj"_s, m_profile.yearCode);
        m_dw_1.acceptText();

        // The rows as they stand before writing: a refused commit puts them
        // back, so that the next attempt writes the same statements again.
        const rt::DataView beforeUpdate = m_dw_1;
        if (m_dw_1.update() == 1) {
            m_sqlca.commit();
            saved = m_sqlca.SQLCode == 0;
            if (!saved)
                m_dw_1 = beforeUpdate;
        }
    }
    // Without a current row there is nothing to store: that is a failure too.
    if (saved) {
        setSaveAvailable(false);
        return;
    }
    rt::MessageBoxService::show(this, kAttention, u"保存失败！"_s,
                                rt::MessageBoxService::Icon::Exclamation);
    m_sqlca.rollback();
}

void TestItemSettingsWindow::choiceClicked()
{
    setSaveAvailable(true);
}

void TestItemSettingsWindow::closeWindow()
{
    // Closes at once, without saving and without a question.
    QDialog::done(QDialog::Rejected);
}
