#pragma once
// Captions and messages of the team archive: its status line, server dialog and team view, as
// texts.h.
#include <QString>

#include "base/screen_text.h"

namespace eqbond::text {
//: The archive window's status line of the team archive: every download is on the server.
inline constexpr ScreenText kTeamAllPushed{"Team",
                                           QT_TRANSLATE_NOOP("Team", "团队档案: 已全部上传")};
//: %1 downloads not yet on the team server.
inline constexpr ScreenText kTeamWaiting{"Team",
                                         QT_TRANSLATE_NOOP("Team", "团队档案: %1 个待上传")};
//: %1 why the team server cannot be used, %2 downloads waiting for it.
inline constexpr ScreenText kTeamUnusable{
    "Team", QT_TRANSLATE_NOOP("Team", "团队档案无法使用: %1 (%2 个待上传)")};
//: %1 why the team server cannot be used, %2 downloads waiting for it, %3 the time it first failed.
inline constexpr ScreenText kTeamUnusableSince{
    "Team", QT_TRANSLATE_NOOP("Team", "团队档案无法使用: %1 (%2 个待上传), 自 %3 起")};
inline constexpr ScreenText kTeamNoDriver{"Team",
                                          QT_TRANSLATE_NOOP("Team", "未安装 PostgreSQL 驱动")};
inline constexpr ScreenText kTeamBadAddress{"Team",
                                            QT_TRANSLATE_NOOP("Team", "服务器地址无法识别")};
inline constexpr ScreenText kTeamUnreachable{"Team", QT_TRANSLATE_NOOP("Team", "无法连接服务器")};
inline constexpr ScreenText kTeamAuthenticationFailed{
    "Team", QT_TRANSLATE_NOOP("Team", "登录失败 (用户名或密码错误)")};
inline constexpr ScreenText kTeamNoPermission{"Team",
                                              QT_TRANSLATE_NOOP("Team", "无权使用团队档案")};
inline constexpr ScreenText kTeamLayoutNewer{
    "Team", QT_TRANSLATE_NOOP("Team", "团队档案由更新版本的程序建立")};
inline constexpr ScreenText kTeamNotTeamArchive{"Team",
                                                QT_TRANSLATE_NOOP("Team", "该数据库不是团队档案")};
inline constexpr ScreenText kTeamRefusedByRules{"Team",
                                                QT_TRANSLATE_NOOP("Team", "服务器规则拒绝此修改")};
inline constexpr ScreenText kTeamBusy{"Team", QT_TRANSLATE_NOOP("Team", "服务器繁忙")};
inline constexpr ScreenText kTeamDeletedThere{"Team",
                                              QT_TRANSLATE_NOOP("Team", "该下载已在服务器上删除")};
//: The button that opens the team server's dialog.
inline constexpr ScreenText kTeamButton{"Team", QT_TRANSLATE_NOOP("Team", "团队服务器…")};
inline constexpr ScreenText kTeamDialogTitle{"Team", QT_TRANSLATE_NOOP("Team", "团队档案服务器")};
//: Before the field of the server's connection URI.
inline constexpr ScreenText kTeamServerLabel{"Team", QT_TRANSLATE_NOOP("Team", "服务器:")};
inline constexpr ScreenText kTeamTestButton{"Team", QT_TRANSLATE_NOOP("Team", "测试连接")};
inline constexpr ScreenText kTeamPushButton{"Team", QT_TRANSLATE_NOOP("Team", "立即上传")};
//: %1 the database role the program works as.
inline constexpr ScreenText kTeamConnected{"Team", QT_TRANSLATE_NOOP("Team", "连接成功, 角色: %1")};
//: %1 why the connection failed.
inline constexpr ScreenText kTeamNotConnected{"Team", QT_TRANSLATE_NOOP("Team", "连接失败: %1")};
//: %1 the server without its password. The password is kept only while the program runs.
inline constexpr ScreenText kTeamPasswordPrompt{
    "Team", QT_TRANSLATE_NOOP("Team", "%1 的密码 (仅在本次运行中保留):")};

//: The archive window's switch to the downloads kept on this computer.
inline constexpr ScreenText kLocalArchiveSwitch{"Team", QT_TRANSLATE_NOOP("Team", "本机档案")};
//: The archive window's switch to every inspector's downloads on the team server.
inline constexpr ScreenText kTeamArchiveSwitch{"Team",
                                               QT_TRANSLATE_NOOP3("Team", "团队档案", "switch")};
//: Column of the team archive: who measured.
inline constexpr ScreenText kColumnTeamInspector{"Team",
                                                 QT_TRANSLATE_NOOP3("Team", "检测人员", "team")};
//: The team view while it reads the server's downloads into this computer's copy.
inline constexpr ScreenText kTeamCopyUpdating{"Team",
                                              QT_TRANSLATE_NOOP("Team", "正在从团队服务器更新...")};
//: %1 the time the team view was last brought up to date with the server.
inline constexpr ScreenText kTeamCopyUpdated{"Team",
                                             QT_TRANSLATE_NOOP("Team", "已从团队服务器更新: %1")};
//: %1 why the server could not be read: the team view shows the copy read before.
inline constexpr ScreenText kTeamCopyStale{
    "Team", QT_TRANSLATE_NOOP("Team", "显示上次读取的内容; 团队服务器无法使用: %1")};
//: The team view without a team server set up.
//: %1 why the server could not be read, %2 the time the team view was last brought up to date.
inline constexpr ScreenText kTeamCopyStaleSince{
    "Team", QT_TRANSLATE_NOOP("Team", "团队服务器无法使用: %1; 显示 %2 更新的内容")};
inline constexpr ScreenText kTeamCopyNoServer{"Team",
                                              QT_TRANSLATE_NOOP("Team", "尚未设置团队服务器")};
//: A change or deletion made in the team view was not taken: the server's version is shown again.
inline constexpr ScreenText kTeamCopyRefused{
    "Team", QT_TRANSLATE_NOOP("Team", "团队服务器拒绝了此修改: 只有上传者和管理员可以修改或删除")};
//: The team view's copy of this computer cannot be written.
inline constexpr ScreenText kTeamCopyUnwritable{
    "Team", QT_TRANSLATE_NOOP("Team", "无法写入团队档案在本机的副本")};
inline constexpr ScreenText kTeamCopyRefresh{"Team", QT_TRANSLATE_NOOP("Team", "刷新")};
//: The team view: a download whose groups were never read from the server (it was not opened
//: while the server answered) is not written, printed or reported without them.
inline constexpr ScreenText kTeamGroupsNotRead{
    "Team",
    QT_TRANSLATE_NOOP("Team", "此记录的测量组尚未从团队服务器读取: 服务器可用时重新打开此记录")};
//: Heading of the team view's history of the chosen download, as the server recorded it.
inline constexpr ScreenText kTeamHistoryHeading{"Team",
                                                QT_TRANSLATE_NOOP("Team", "服务器记录的修改历史")};
//: The history of the chosen download could not be read: %1 why.
inline constexpr ScreenText kTeamHistoryUnreadable{
    "Team", QT_TRANSLATE_NOOP("Team", "无法读取修改历史: %1")};

}  // namespace eqbond::text
