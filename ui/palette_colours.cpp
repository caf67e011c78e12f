#include "palette_colours.h"

#include "brivola_form.h"

#include <QApplication>
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

// The pure hue on a light surface; on a dark one, where white text reads
// better than black, the hue mixed with white until small text reads
// comfortably (WCAG AA, 4.5 : 1).
QColor Shade_For(Qt::GlobalColor hue, const QColor &surface)
{
    const QColor pure(hue);
    QColor shade = pure;
    const bool dark = Contrast(Qt::white, surface) > Contrast(Qt::black, surface);
    // Never past white itself, which reads on any dark surface.
    for (int white = 5; white <= 100 && dark && Contrast(shade, surface) < 4.5; white += 5) {
        auto lighten = [white](int channel) { return channel + (255 - channel) * white / 100; };
        shade.setRgb(lighten(pure.red()), lighten(pure.green()), lighten(pure.blue()));
    }
    return shade;
}

void Set_Text_Colour(QLabel *label, Qt::GlobalColor hue)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Shade_For(hue, QApplication::palette().color(QPalette::Window)));
    label->setPalette(palette);
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
            Set_Label_Colours();
            Set_Text_Zahl_Colour(Form().Text_Zahl->isEnabled() ? System_Colour::Window_Background
                                                               : System_Colour::Button_Face);
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

void Set_Text_Zahl_Colour(System_Colour colour)
{
    // The desktop's colour for an input field, or a clear background that
    // lets the window's surface show through. Set on the field itself, or
    // Windows' style draws it natively, white even on a dark palette.
    QPalette palette;
    palette.setBrush(QPalette::Base, colour == System_Colour::Button_Face ? QBrush(Qt::transparent)
                                                                          : QApplication::palette().base());
    Form().Text_Zahl->setPalette(palette);
}

void Follow_Palette_Changes(QWidget *window)
{
    QCoreApplication::instance()->installEventFilter(new Palette_Follower(window));
}
