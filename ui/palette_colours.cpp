#include "palette_colours.h"

#include "brivola_form.h"

#include <QApplication>
#include <QStyle>
#include <QStyleHints>
#include <cmath>

namespace {

// Relative luminance, as the WCAG contrast ratio measures it.
double Luminance(const QColor &colour)
{
    auto linear = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
           + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor &first, const QColor &second)
{
    const double one = Luminance(first), other = Luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

// Whether black reads better than white on the surface.
bool Is_Light(const QColor &surface) { return Contrast(Qt::black, surface) >= Contrast(Qt::white, surface); }

// The pure hue wherever it reads comfortably as small text (WCAG AA,
// 4.5 : 1), and on light surfaces, such as the toolkit's own, wherever it
// still reads at 3 : 1. Elsewhere the shade nearest it, mixed with white or
// with black, that reads at 4.5 : 1.
QColor Shade_For(Qt::GlobalColor hue, const QColor &surface)
{
    const QColor pure(hue);
    if (Contrast(pure, surface) >= (Is_Light(surface) ? 3 : 4.5))
        return pure;
    for (int amount = 1; amount <= 255; ++amount)
        for (int towards : {255, 0}) {
            auto mix = [&](int channel) { return channel + (towards - channel) * amount / 255; };
            const QColor shade(mix(pure.red()), mix(pure.green()), mix(pure.blue()));
            if (Contrast(shade, surface) >= 4.5)
                return shade;
        }
    return pure; // never: white or black reads at 4.5 : 1 on any surface
}

void Set_Text_Colour(QLabel *label, Qt::GlobalColor hue)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Shade_For(hue, QApplication::palette().color(QPalette::Window)));
    label->setPalette(palette);
}

#if defined(Q_OS_WIN)
// Windows' native style cannot draw dark, and Qt gives it a light palette
// even in Windows' dark app mode: there Fusion draws in Windows' dark
// palette, and the native style comes back with light mode. Any other style,
// such as one the player names, draws in whatever palette it is given.
void Use_Style_For_Colour_Scheme()
{
    static const QString first = QApplication::style()->name();
    if (first != QStringLiteral("windowsvista"))
        return;
    const bool dark = QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
    const QString wanted = dark ? QStringLiteral("fusion") : first;
    if (QApplication::style()->name() != wanted)
        QApplication::setStyle(wanted);
}

// Windows' dark palette gives option buttons the accent colour as their
// base, which Fusion fills every indicator with: the option not chosen would
// look chosen. They take the window's own base instead.
void Set_Option_Colours()
{
    for (QRadioButton *option : {Form().Option_English, Form().Option_Deutsch}) {
        QPalette palette = option->palette();
        palette.setBrush(QPalette::Base, QApplication::palette().base());
        palette.setBrush(QPalette::Button, QApplication::palette().button());
        option->setPalette(palette);
    }
}

// Windows' dark palette greys a disabled caption to 2.9 : 1 against the
// face Fusion draws, too faint for the range on the change button. There
// the caption takes the nearest shade towards the enabled one that reads at
// 4.5 : 1 against the palette's button colour, and so at 3 : 1 at least
// against the lighter face drawn from it. Light mode keeps Qt's own.
void Set_Disabled_Caption_Colours()
{
    const QPalette desktop = QApplication::palette();
    const QColor faint = desktop.color(QPalette::Disabled, QPalette::ButtonText);
    const QColor enabled = desktop.color(QPalette::Active, QPalette::ButtonText);
    QColor caption = faint;
    for (int amount = 1; QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark
                         && Contrast(caption, desktop.color(QPalette::Button)) < 4.5 && amount <= 255;
         ++amount) {
        auto mix = [&](int from, int to) { return from + (to - from) * amount / 255; };
        caption = QColor(mix(faint.red(), enabled.red()), mix(faint.green(), enabled.green()),
                         mix(faint.blue(), enabled.blue()));
    }
    for (QPushButton *button : {Form().Button_Action, Form().Button_Change}) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, caption);
        button->setPalette(palette);
    }
}
#endif

// Only Windows' dark mode needs colours of the game's own beyond the labels';
// elsewhere the option buttons and the buttons keep the platform's palettes,
// class palettes of a platform theme among them.
void Follow_Windows_Colour_Scheme()
{
#if defined(Q_OS_WIN)
    Use_Style_For_Colour_Scheme();
    Set_Option_Colours();
    Set_Disabled_Caption_Colours();
#endif
}

// The program's only class of its own: Qt 6.4 tells of a new desktop palette
// only by this event, the signal for it being deprecated.
class Palette_Follower : public QObject {
public:
    using QObject::QObject;

    // Qt sends the event to the application and then to every widget: the
    // application's copy is the one change.
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (receiver == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange) {
            Follow_Windows_Colour_Scheme();
            Set_Label_Colours();
            Set_Text_Zahl_Colour(Form().Text_Zahl->isEnabled() ? Field_Colour::Input_Background
                                                               : Field_Colour::Button_Face);
        }
        return false;
    }
};

} // namespace

void Set_Label_Colours()
{
    Set_Text_Colour(Form().Label_Meldung, Qt::blue);
    Set_Text_Colour(Form().Label_Notice, Qt::red);
}

void Set_Text_Zahl_Colour(Field_Colour colour)
{
    // The desktop's colour for an input field, or a clear background that
    // lets the window's surface show through. Set on the field itself, or
    // Windows' style draws it natively, white even on a dark palette.
    QPalette palette;
    palette.setBrush(QPalette::Base, colour == Field_Colour::Button_Face ? QBrush(Qt::transparent)
                                                                         : QApplication::palette().base());
    Form().Text_Zahl->setPalette(palette);
}

void Follow_Palette_Changes(QWidget *window)
{
    Follow_Windows_Colour_Scheme();
    QCoreApplication::instance()->installEventFilter(new Palette_Follower(window));
}
