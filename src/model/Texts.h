#pragma once
// Player-visible texts that more than one part of the game uses. Texts used
// in one place only stay next to the code that shows them.

#include <QString>

namespace varelo::texts {

inline const QString kTitle = QStringLiteral("Varelo");

// Start screen and menus.
inline const QString kStartGame = QStringLiteral("开始游戏");
inline const QString kCombination = QStringLiteral("组合数独");
inline const QString kSolveSudoku = QStringLiteral("求解数独");
inline const QString kOptions = QStringLiteral("选项");
inline const QString kHelp = QStringLiteral("帮助");
inline const QString kAbout = QStringLiteral("关于");
inline const QString kExit = QStringLiteral("退出");
inline const QString kMissionMode = QStringLiteral("任务模式");
inline const QString kRandomMode = QStringLiteral("随机模式");
inline const QString kOrder1 = QStringLiteral("一阶");
inline const QString kOrder2 = QStringLiteral("二阶");
inline const QString kOrder3 = QStringLiteral("三阶");
inline const QString kLoading = QStringLiteral("Loading...");
inline const QString kPause = QStringLiteral("Pause");

// Top bar: modes, hint state, difficulties.
inline const QString kModeMission = QStringLiteral("任务");
inline const QString kModeRandom = QStringLiteral("随机");
inline const QString kHintOn = QStringLiteral("开启");
inline const QString kHintOff = QStringLiteral("关闭");
inline const QString kHintUnavailable = QStringLiteral("不可用");
inline const QString kLevelPrefix = QStringLiteral("Level ");
inline const QString kDifficulties[4] = {QStringLiteral("初学者"), QStringLiteral("简单"), QStringLiteral("中等"),
                                         QStringLiteral("困难")};

// "第" + N + "关": a level in the level menu and on the start screen.
inline QString LevelCaption(int level) { return QStringLiteral("第") + QString::number(level) + QStringLiteral("关"); }

// Buttons.
inline const QString kRestart = QStringLiteral("重新开始");
inline const QString kSolve = QStringLiteral("求解");
inline const QString kCancel = QStringLiteral("取消");
inline const QString kNextSolution = QStringLiteral("求下一种解");
inline const QString kReset = QStringLiteral("重置");
inline const QString kClearResults = QStringLiteral("清除结果");
inline const QString kSaveResults = QStringLiteral("保存结果");

// Writing tools.
inline const QString kPen = QStringLiteral("钢笔");
inline const QString kPencil = QStringLiteral("铅笔");

// Questions and messages.
inline const QString kQuitQuestion = QStringLiteral("确定要退出吗？");
inline const QString kErrorCode = QStringLiteral("错误代码：");
inline const QString kOptionsRestartQuestion = QStringLiteral("更改设置将重新开始当前游戏，是否继续？");

}  // namespace varelo::texts
