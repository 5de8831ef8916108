#pragma once
// The names of the window's controls, menu items and timers, spelt once:
// the objectName() of every widget, action and timer, the keys of the
// control model and of the game's table of operations. A mistyped name does
// not compile; tests find everything by these names.

#include <QLatin1String>
#include <QString>

namespace varelo::ctl {

// The main window and its client area.
inline constexpr QLatin1String kForm1{"Form1"};
inline constexpr QLatin1String kForm1Client{"Form1Client"};

// The top bar, its time bar and the logo.
inline constexpr QLatin1String kPicTop{"PicTop"};
inline constexpr QLatin1String kPicture1{"Picture1"};
inline constexpr QLatin1String kShape1{"Shape1"};
inline constexpr QLatin1String kShape2{"Shape2"};
inline constexpr QLatin1String kImgLogo{"ImgLogo"};

// Beside the board: the tools, the bobbing pointer, the hint line, the level arrows.
inline constexpr QLatin1String kImgcol{"Imgcol"};
inline constexpr QLatin1String kImgcle{"Imgcle"};
inline constexpr QLatin1String kImgpt{"Imgpt"};
inline constexpr QLatin1String kLbltishi{"Lbltishi"};
inline constexpr QLatin1String kImgLa{"ImgLa"};
inline constexpr QLatin1String kImgRa{"ImgRa"};

// The menu bar: menus, items and separators.
inline constexpr QLatin1String kYouxi{"youxi"};
inline constexpr QLatin1String kWenjian{"wenjian"};
inline constexpr QLatin1String kDuqu{"duqu"};
inline constexpr QLatin1String kBaocun{"baocun"};
inline constexpr QLatin1String kMnucav6{"mnucav6"};
inline constexpr QLatin1String kQxqj{"qxqj"};
inline constexpr QLatin1String kMnucav5{"mnucav5"};
inline constexpr QLatin1String kCssd{"cssd"};
inline constexpr QLatin1String kRwms{"rwms"};
inline constexpr QLatin1String kSjms{"sjms"};
inline constexpr QLatin1String kZhsd{"zhsd"};
inline constexpr QLatin1String kZhej{"zhej"};
inline constexpr QLatin1String kZhsj{"zhsj"};
inline constexpr QLatin1String kQjsd{"qjsd"};
inline constexpr QLatin1String kQjyj{"qjyj"};
inline constexpr QLatin1String kQjej{"qjej"};
inline constexpr QLatin1String kQjsj{"qjsj"};
inline constexpr QLatin1String kMnucav1{"mnucav1"};
inline constexpr QLatin1String kXuanxiang{"xuanxiang"};
inline constexpr QLatin1String kMnucav2{"mnucav2"};
inline constexpr QLatin1String kTuichu{"tuichu"};
inline constexpr QLatin1String kBangzhu{"bangzhu"};
inline constexpr QLatin1String kYxgz{"yxgz"};
inline constexpr QLatin1String kMnucav3{"mnucav3"};
inline constexpr QLatin1String kGuanyu{"guanyu"};

// The notification area: the tray, its icon and its pop-up menu.
inline constexpr QLatin1String kNotificationTray{"NotificationTray"};
inline constexpr QLatin1String kTrayIcon{"TrayIcon"};
inline constexpr QLatin1String kSys{"sys"};
inline constexpr QLatin1String kHuanyuan{"huanyuan"};
inline constexpr QLatin1String kMnucav4{"mnucav4"};
inline constexpr QLatin1String kTuichu2{"tuichu2"};

// Timers with one name (the glide and erase timers are named per grid below).
inline constexpr QLatin1String kTimer5{"Timer5"};
inline constexpr QLatin1String kTimer6{"Timer6"};
inline constexpr QLatin1String kTimer7{"Timer7"};
inline constexpr QLatin1String kTimer8{"Timer8"};
inline constexpr QLatin1String kTimer9{"Timer9"};
inline constexpr QLatin1String kTimer10{"Timer10"};
inline constexpr QLatin1String kTimer15{"Timer15"};
inline constexpr QLatin1String kTimer17{"Timer17"};
inline constexpr QLatin1String kTimer18{"Timer18"};

// The two pictures the tool image shows, by name.
inline constexpr QLatin1String kImgBluePen{"ImgBluePen"};  // the pen
inline constexpr QLatin1String kImgGrayPen{"ImgGrayPen"};  // the pencil

// Control arrays: member i is named "Array(i)".
inline constexpr QLatin1String kLblTop{"LblTop"};      // the top bar's values
inline constexpr QLatin1String kLblts{"Lblts"};        // and their names
inline constexpr QLatin1String kLblTime{"LblTime"};    // the clock: minutes, colon, seconds
inline constexpr QLatin1String kLblBegin{"LblBegin"};  // the start screen's entries
inline constexpr QLatin1String kMnuLevels{"mnuLevels"};
inline constexpr QLatin1String kMnufil{"mnufil"};

inline QString Indexed(QLatin1String array, int index) { return QString(array) + u'(' + QString::number(index) + u')'; }
inline QString Indexed(const char* array, int index) { return Indexed(QLatin1String(array), index); }
inline QString LblTop(int i) { return Indexed(kLblTop, i); }
inline QString Lblts(int i) { return Indexed(kLblts, i); }
inline QString LblTime(int i) { return Indexed(kLblTime, i); }
// The start screen's entries: seven main entries and their sub-entries.
inline constexpr int kStartEntryCount = 16;
inline QString LblBegin(int i) { return Indexed(kLblBegin, i); }

// Numbered controls: "Command1".."Command5", and the grid containers
// "PicMis" for grid 0, "PicMis1".."PicMis4".
inline QString Command(int i) { return QStringLiteral("Command") + QString::number(i); }
inline QString PicMis(int grid) {
  return grid == 0 ? QStringLiteral("PicMis") : QStringLiteral("PicMis") + QString::number(grid);
}

// Timers of each grid: the glide's vertical (family 1) and horizontal
// (family 2) timers and the conflict's erase timer (family 3), "Timer1" for
// grid 0 and "Timer11".."Timer14" for grids 1..4.
inline QString GridTimer(int family, int grid) {
  return QStringLiteral("Timer") + QString::number(family) + (grid == 0 ? QString() : QString::number(grid));
}

}  // namespace varelo::ctl
