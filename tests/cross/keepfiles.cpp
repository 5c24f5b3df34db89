// Saves the picture and the animation of one fixed run as the program saves them: three cycles, a
// colour picked from the palette between them, then Clear and one more. Run on two architectures,
// the files are to be the same bytes.
//   keepfiles PICTURE.png ANIMATION.gif
#include "backgroundtask.h"
#include "form1.h"
#include "form1design.h"
#include "picturefile.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mainwindow::Form1 form;
    form.Show();
    QTest::mouseClick(&form.cmdStart.widget(), Qt::LeftButton);
    QTest::mouseClick(&form.chkPause.widget(), Qt::LeftButton); // the cycles below are the only ones
    for (int cycle = 0; cycle < 4; ++cycle) {
        if (cycle == 2) {
            const platform::Design& picker = mainwindow::design::cpOne;
            QTest::mouseClick(form.widget().windowHandle(), Qt::LeftButton, {},
                              {picker.left / platform::TwipsPerPixel + 30, picker.top / platform::TwipsPerPixel + 5});
        }
        if (cycle == 3)
            QTest::mouseClick(&form.cmdClear.widget(), Qt::LeftButton);
        form.Timer_Timer();
    }
    platform::TaskProgress progress;
    platform::SavePicture(form.picDest.Image(), argv[1]);
    platform::SaveBytes(form.recording().MakeAnimation(progress, 1500, 50'000'000), argv[2]);
    return 0;
}
