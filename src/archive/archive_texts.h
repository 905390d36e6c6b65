#pragma once
// Captions and messages of the archive and its window, as texts.h. What the archive's reports
// write into files is in file_texts.h.
#include <QString>

#include "base/screen_text.h"

namespace eqbond::text {

//: The archive window's title.
inline constexpr ScreenText kArchiveTitle{"Archive", QT_TRANSLATE_NOOP("Archive", "测量档案")};
//: The main window's button that opens the archive window, 105 pixels.
inline constexpr ScreenText kArchiveButton{"Archive",
                                           QT_TRANSLATE_NOOP3("Archive", "测量档案", "button")};
//: %1 the archive's file, %2 the reason.
inline constexpr ScreenText kArchiveUnusable{
    "Archive",
    QT_TRANSLATE_NOOP("Archive", "测量档案无法使用, 本次运行不再存档.\n文件: %1\n原因: %2")};
inline constexpr ScreenText kFaultCannotOpen{"Archive",
                                             QT_TRANSLATE_NOOP("Archive", "无法建立或打开该文件")};
inline constexpr ScreenText kFaultNotArchive{
    "Archive", QT_TRANSLATE_NOOP("Archive", "文件已损坏或不是测量档案")};
inline constexpr ScreenText kFaultNewer{"Archive",
                                        QT_TRANSLATE_NOOP("Archive", "档案由更新版本的程序建立")};
inline constexpr ScreenText kFaultLocked{"Archive",
                                         QT_TRANSLATE_NOOP("Archive", "文件被另一个程序锁定")};
inline constexpr ScreenText kFaultReadOnly{"Archive",
                                           QT_TRANSLATE_NOOP("Archive", "文件或所在文件夹不可写")};
inline constexpr ScreenText kFaultDiskFull{"Archive", QT_TRANSLATE_NOOP("Archive", "磁盘已满")};
inline constexpr ScreenText kFaultFailed{"Archive", QT_TRANSLATE_NOOP("Archive", "数据库出错")};

inline constexpr ScreenText kFilterLabel{"Archive", QT_TRANSLATE_NOOP("Archive", "筛选:")};
inline constexpr ScreenText kLimitLabel{"Archive", QT_TRANSLATE_NOOP("Archive", "限值(Ω):")};
//: Shown in the empty limit field.
inline constexpr ScreenText kNoLimit{"Archive", QT_TRANSLATE_NOOP("Archive", "无")};
//: Column: when the read started.
inline constexpr ScreenText kColumnStarted{"Archive", QT_TRANSLATE_NOOP("Archive", "读取时间")};
//: Column: the serial port it came from.
inline constexpr ScreenText kColumnDevice{"Archive", QT_TRANSLATE_NOOP("Archive", "设备")};
//: Column: how many groups were read.
inline constexpr ScreenText kColumnGroups{"Archive", QT_TRANSLATE_NOOP("Archive", "组数")};
//: Column: whether the read ended.
inline constexpr ScreenText kColumnState{"Archive", QT_TRANSLATE_NOOP("Archive", "状态")};
inline constexpr ScreenText kColumnMin{"Archive", QT_TRANSLATE_NOOP("Archive", "最小值")};
inline constexpr ScreenText kColumnMax{"Archive", QT_TRANSLATE_NOOP("Archive", "最大值")};
//: Column and verdict: at or below the bonding limit.
inline constexpr ScreenText kPass{"Archive", QT_TRANSLATE_NOOP("Archive", "合格")};
//: Column and verdict: above the bonding limit, or an overload.
inline constexpr ScreenText kFail{"Archive", QT_TRANSLATE_NOOP("Archive", "不合格")};
//: Column: the group's number.
inline constexpr ScreenText kColumnGroup{"Archive", QT_TRANSLATE_NOOP("Archive", "组号")};
inline constexpr ScreenText kColumnValue{"Archive", QT_TRANSLATE_NOOP("Archive", "电阻值")};
inline constexpr ScreenText kColumnDate{"Archive", QT_TRANSLATE_NOOP("Archive", "日期")};
inline constexpr ScreenText kColumnTime{"Archive", QT_TRANSLATE_NOOP("Archive", "时间")};
//: Column: the instrument's battery was low when the group was measured.
inline constexpr ScreenText kColumnBattery{"Archive", QT_TRANSLATE_NOOP("Archive", "电池电压低")};
//: Column: pass or fail.
inline constexpr ScreenText kColumnVerdict{"Archive", QT_TRANSLATE_NOOP("Archive", "判定")};
//: The read ended with the last group.
inline constexpr ScreenText kComplete{"Archive", QT_TRANSLATE_NOOP("Archive", "完成")};
//: The read was given up before the last group.
inline constexpr ScreenText kAbandoned{"Archive", QT_TRANSLATE_NOOP("Archive", "未完成")};

// A mark, not a word: the same in every language.
inline const QString kLowBatteryMark = QStringLiteral("■");

//: The plot's scale reaches the highest value instead of keeping the limit readable.
inline constexpr ScreenText kFullRange{"Archive", QT_TRANSLATE_NOOP("Archive", "全量程")};

inline constexpr ScreenText kExportText{"Archive", QT_TRANSLATE_NOOP("Archive", "导出文本")};
inline constexpr ScreenText kExportCsv{"Archive", QT_TRANSLATE_NOOP("Archive", "导出CSV")};
inline constexpr ScreenText kExportPdf{"Archive", QT_TRANSLATE_NOOP("Archive", "导出PDF")};
inline constexpr ScreenText kPrintDownload{"Archive", QT_TRANSLATE_NOOP("Archive", "打印")};
inline constexpr ScreenText kDeleteDownload{"Archive", QT_TRANSLATE_NOOP("Archive", "删除")};
//: %1 when the read started, %2 how many groups it holds.
inline constexpr ScreenText kConfirmDelete{
    "Archive", QT_TRANSLATE_NOOP("Archive", "删除 %1 读取的 %2 组数据?")};
inline constexpr ScreenText kCsvFilter{"Archive", QT_TRANSLATE_NOOP("Archive", "CSV 文件 (*.csv)")};
inline constexpr ScreenText kPdfFilter{"Archive", QT_TRANSLATE_NOOP("Archive", "PDF 文件 (*.pdf)")};

// Inspections.
//: %1 the site's name.
inline constexpr ScreenText kSiteInUse{
    "Archive", QT_TRANSLATE_NOOP("Archive", "现场 %1 仍有检测记录, 不能删除.")};
//: The test plan file was read as UTF-8.
inline constexpr ScreenText kPlanReadUtf8{"Archive",
                                          QT_TRANSLATE_NOOP("Archive", "测试计划按 UTF-8 读取")};
//: The test plan file was read as GBK.
inline constexpr ScreenText kPlanReadGbk{"Archive",
                                         QT_TRANSLATE_NOOP("Archive", "测试计划按 GBK 读取")};
//: %1 how many groups were given a test point from the plan.
inline constexpr ScreenText kPlanApplied{"Archive",
                                         QT_TRANSLATE_NOOP("Archive", "已为 %1 组标注测试点")};
//: %1 the plan's line.
inline constexpr ScreenText kPlanLineTooLong{
    "Archive", QT_TRANSLATE_NOOP("Archive", "第 %1 行: 测试点名称超过 200 个字符")};
//: %1 the plan's line.
inline constexpr ScreenText kPlanLineControl{
    "Archive", QT_TRANSLATE_NOOP("Archive", "第 %1 行: 测试点名称含有控制字符")};

// The inspection report.
inline constexpr ScreenText kReportTitle{"Archive",
                                         QT_TRANSLATE_NOOP("Archive", "等电位联结检测报告")};
inline constexpr ScreenText kReportSite{"Archive", QT_TRANSLATE_NOOP("Archive", "现场: %1")};
inline constexpr ScreenText kReportAddress{"Archive", QT_TRANSLATE_NOOP("Archive", "地址: %1")};
inline constexpr ScreenText kReportCustomer{"Archive", QT_TRANSLATE_NOOP("Archive", "客户: %1")};
//: Building, floor, room.
inline constexpr ScreenText kReportLocation{"Archive", QT_TRANSLATE_NOOP("Archive", "位置: %1")};
inline constexpr ScreenText kReportInspector{"Archive",
                                             QT_TRANSLATE_NOOP("Archive", "检测人员: %1")};
//: The instrument's serial number.
inline constexpr ScreenText kReportInstrument{"Archive",
                                              QT_TRANSLATE_NOOP("Archive", "仪器编号: %1")};
//: %1 the day, or first and last day, the groups were measured.
inline constexpr ScreenText kReportMeasured{"Archive",
                                            QT_TRANSLATE_NOOP("Archive", "测量日期: %1")};
//: %1 the bonding limit.
inline constexpr ScreenText kReportLimit{"Archive", QT_TRANSLATE_NOOP("Archive", "限值: %1")};
//: %1 the standard the lab tests to.
inline constexpr ScreenText kReportStandard{"Archive",
                                            QT_TRANSLATE_NOOP("Archive", "依据标准: %1")};
//: Column: the test point's label.
inline constexpr ScreenText kColumnPoint{"Archive", QT_TRANSLATE_NOOP("Archive", "测试点")};
//: Column: the test point's value in the previous inspection.
inline constexpr ScreenText kColumnPrevious{"Archive", QT_TRANSLATE_NOOP("Archive", "上次值")};
//: Column: the change since the previous inspection.
inline constexpr ScreenText kColumnChange{"Archive", QT_TRANSLATE_NOOP("Archive", "变化")};
//: Column: whether the point deteriorated since the previous inspection.
inline constexpr ScreenText kColumnDeteriorated{"Archive",
                                                QT_TRANSLATE_NOOP3("Archive", "劣化", "column")};
//: The mark of a deteriorated point, a word so that it reads in black and white.
inline constexpr ScreenText kDeterioratedMark{"Archive",
                                              QT_TRANSLATE_NOOP3("Archive", "劣化", "mark")};
//: %1 points tested, %2 passed, %3 failed, %4 deteriorated, %5 overloads.
inline constexpr ScreenText kReportSummary{
    "Archive",
    QT_TRANSLATE_NOOP("Archive", "测试点数: %1   合格: %2   不合格: %3   劣化: %4   超量程: %5")};
inline constexpr ScreenText kReportName{
    "Archive", QT_TRANSLATE_NOOP("Archive", "姓名: ______________________")};
inline constexpr ScreenText kReportSignature{
    "Archive", QT_TRANSLATE_NOOP("Archive", "签名: ______________________")};
inline constexpr ScreenText kReportDate{
    "Archive", QT_TRANSLATE_NOOP("Archive", "日期: ______________________")};
//: %1 this page, %2 the pages of the report.
inline constexpr ScreenText kReportPage{"Archive",
                                        QT_TRANSLATE_NOOP("Archive", "第 %1 页 共 %2 页")};

// The archive window's inspections.
//: The site tree's heading: sites, their locations and inspections.
inline constexpr ScreenText kSiteTreeHeading{"Archive", QT_TRANSLATE_NOOP("Archive", "现场")};
//: Check box: the download list shows only the downloads of the site chosen in the tree.
inline constexpr ScreenText kOnlyChosenSite{"Archive",
                                            QT_TRANSLATE_NOOP("Archive", "只列出所选现场")};
//: The inspection details panel's title.
inline constexpr ScreenText kDetailsTitle{"Archive", QT_TRANSLATE_NOOP("Archive", "检测信息")};
//: The site the download was measured at.
inline constexpr ScreenText kDetailsSite{"Archive", QT_TRANSLATE_NOOP("Archive", "现场:")};
//: The entry of the site list that makes a new site.
inline constexpr ScreenText kNewSite{"Archive", QT_TRANSLATE_NOOP("Archive", "(新现场)")};
inline constexpr ScreenText kSiteName{"Archive", QT_TRANSLATE_NOOP("Archive", "现场名称:")};
inline constexpr ScreenText kSiteAddress{"Archive", QT_TRANSLATE_NOOP("Archive", "地址:")};
inline constexpr ScreenText kSiteCustomer{"Archive", QT_TRANSLATE_NOOP("Archive", "客户:")};
//: Building, floor, room.
inline constexpr ScreenText kDetailsLocation{"Archive", QT_TRANSLATE_NOOP("Archive", "位置:")};
inline constexpr ScreenText kDetailsInspector{"Archive", QT_TRANSLATE_NOOP("Archive", "检测人员:")};
//: The instrument's serial number.
inline constexpr ScreenText kDetailsInstrument{"Archive",
                                               QT_TRANSLATE_NOOP("Archive", "仪器编号:")};
inline constexpr ScreenText kDetailsNotes{"Archive", QT_TRANSLATE_NOOP("Archive", "备注:")};
//: Button: keeps the inspection details.
inline constexpr ScreenText kSaveDetails{"Archive",
                                         QT_TRANSLATE_NOOP3("Archive", "保存", "details")};
inline constexpr ScreenText kDetailsSaved{"Archive",
                                          QT_TRANSLATE_NOOP("Archive", "检测信息已保存")};
//: %1 the field's caption.
inline constexpr ScreenText kDetailsTooLong{
    "Archive", QT_TRANSLATE_NOOP("Archive", "%1 超过 200 个字符, 未保存")};
//: %1 the field's caption.
inline constexpr ScreenText kDetailsControl{
    "Archive", QT_TRANSLATE_NOOP("Archive", "%1 含有控制字符, 未保存")};
inline constexpr ScreenText kSiteNameMissing{
    "Archive", QT_TRANSLATE_NOOP("Archive", "新现场需要名称, 未保存")};
inline constexpr ScreenText kDetailsFailed{"Archive",
                                           QT_TRANSLATE_NOOP("Archive", "检测信息未能保存")};
//: Before the list that chooses which groups the table shows.
inline constexpr ScreenText kGroupFilterLabel{"Archive", QT_TRANSLATE_NOOP("Archive", "显示:")};
inline constexpr ScreenText kGroupFilterAll{"Archive", QT_TRANSLATE_NOOP("Archive", "全部组")};
inline constexpr ScreenText kGroupFilterFailing{"Archive",
                                                QT_TRANSLATE_NOOP("Archive", "不合格的组")};
inline constexpr ScreenText kGroupFilterDeteriorated{"Archive",
                                                     QT_TRANSLATE_NOOP("Archive", "劣化的组")};
//: Column: the change since the previous inspection in milliohm.
inline constexpr ScreenText kColumnChangeMilliohm{"Archive",
                                                  QT_TRANSLATE_NOOP("Archive", "变化(mΩ)")};
//: Column: the change since the previous inspection in percent.
inline constexpr ScreenText kColumnChangePercent{"Archive",
                                                 QT_TRANSLATE_NOOP("Archive", "变化(%)")};
//: Before the number of the group the plan's first label goes to.
inline constexpr ScreenText kPlanFirstGroup{"Archive",
                                            QT_TRANSLATE_NOOP("Archive", "计划第 1 行对应组号:")};
//: Button: reads a test plan file and labels the groups from it.
inline constexpr ScreenText kApplyPlan{"Archive", QT_TRANSLATE_NOOP("Archive", "应用测试计划…")};
//: Button: labels the groups with the plan kept for this site and location.
inline constexpr ScreenText kUseKeptPlan{"Archive",
                                         QT_TRANSLATE_NOOP("Archive", "使用本位置的计划")};
//: File dialog filter.
inline constexpr ScreenText kPlanFilter{
    "Archive", QT_TRANSLATE_NOOP("Archive", "测试计划 (*.txt);;所有文件 (*)")};
inline constexpr ScreenText kPlanNeedsSite{
    "Archive", QT_TRANSLATE_NOOP("Archive", "请先保存本次检测的现场和位置")};
inline constexpr ScreenText kNoKeptPlan{"Archive",
                                        QT_TRANSLATE_NOOP("Archive", "本位置没有保存的测试计划")};
inline constexpr ScreenText kPlanUnreadable{"Archive",
                                            QT_TRANSLATE_NOOP("Archive", "无法读取测试计划文件")};
inline constexpr ScreenText kPlanNotStored{"Archive",
                                           QT_TRANSLATE_NOOP("Archive", "测试点未能保存")};
//: Button: writes the inspection report as a PDF file.
inline constexpr ScreenText kReportPdfButton{"Archive",
                                             QT_TRANSLATE_NOOP("Archive", "检测报告PDF")};
//: Button: prints the inspection report.
inline constexpr ScreenText kPrintReport{"Archive", QT_TRANSLATE_NOOP("Archive", "打印检测报告")};
//: %1 the test point's label.
inline constexpr ScreenText kHistoryTitle{"Archive",
                                          QT_TRANSLATE_NOOP("Archive", "测试点历史: %1")};
inline constexpr ScreenText kHistoryNone{"Archive",
                                         QT_TRANSLATE_NOOP("Archive", "选择已标注的组查看其历史")};
//: The archive window's status line of the team archive: every download is on the server.
inline constexpr ScreenText kTeamAllPushed{"Archive",
                                           QT_TRANSLATE_NOOP("Archive", "团队档案: 已全部上传")};
//: %1 downloads not yet on the team server.
inline constexpr ScreenText kTeamWaiting{"Archive",
                                         QT_TRANSLATE_NOOP("Archive", "团队档案: %1 个待上传")};
//: %1 why the team server cannot be used, %2 downloads waiting for it.
inline constexpr ScreenText kTeamUnusable{
    "Archive", QT_TRANSLATE_NOOP("Archive", "团队档案无法使用: %1 (%2 个待上传)")};
inline constexpr ScreenText kTeamNoDriver{"Archive",
                                          QT_TRANSLATE_NOOP("Archive", "未安装 PostgreSQL 驱动")};
inline constexpr ScreenText kTeamBadAddress{"Archive",
                                            QT_TRANSLATE_NOOP("Archive", "服务器地址无法识别")};
inline constexpr ScreenText kTeamUnreachable{"Archive",
                                             QT_TRANSLATE_NOOP("Archive", "无法连接服务器")};
inline constexpr ScreenText kTeamAuthenticationFailed{
    "Archive", QT_TRANSLATE_NOOP("Archive", "登录失败 (用户名或密码错误)")};
inline constexpr ScreenText kTeamNoPermission{"Archive",
                                              QT_TRANSLATE_NOOP("Archive", "无权使用团队档案")};
inline constexpr ScreenText kTeamLayoutNewer{
    "Archive", QT_TRANSLATE_NOOP("Archive", "团队档案由更新版本的程序建立")};
inline constexpr ScreenText kTeamNotTeamArchive{
    "Archive", QT_TRANSLATE_NOOP("Archive", "该数据库不是团队档案")};
inline constexpr ScreenText kTeamRefusedByRules{
    "Archive", QT_TRANSLATE_NOOP("Archive", "服务器规则拒绝此修改")};
//: The button that opens the team server's dialog.
inline constexpr ScreenText kTeamButton{"Archive",
                                        QT_TRANSLATE_NOOP3("Archive", "团队档案", "button")};
inline constexpr ScreenText kTeamDialogTitle{"Archive",
                                             QT_TRANSLATE_NOOP("Archive", "团队档案服务器")};
//: Before the field of the server's connection URI.
inline constexpr ScreenText kTeamServerLabel{"Archive", QT_TRANSLATE_NOOP("Archive", "服务器:")};
inline constexpr ScreenText kTeamTestButton{"Archive", QT_TRANSLATE_NOOP("Archive", "测试连接")};
inline constexpr ScreenText kTeamPushButton{"Archive", QT_TRANSLATE_NOOP("Archive", "立即上传")};
//: %1 the database role the program works as.
inline constexpr ScreenText kTeamConnected{"Archive",
                                           QT_TRANSLATE_NOOP("Archive", "连接成功, 角色: %1")};
//: %1 why the connection failed.
inline constexpr ScreenText kTeamNotConnected{"Archive",
                                              QT_TRANSLATE_NOOP("Archive", "连接失败: %1")};
//: %1 the server without its password. The password is kept only while the program runs.
inline constexpr ScreenText kTeamPasswordPrompt{
    "Archive", QT_TRANSLATE_NOOP("Archive", "%1 的密码 (仅在本次运行中保留):")};

//: The archive window's switch to the downloads kept on this computer.
inline constexpr ScreenText kLocalArchiveSwitch{"Archive",
                                                QT_TRANSLATE_NOOP("Archive", "本机档案")};
//: The archive window's switch to every inspector's downloads on the team server.
inline constexpr ScreenText kTeamArchiveSwitch{"Archive",
                                               QT_TRANSLATE_NOOP3("Archive", "团队档案", "switch")};
//: Column of the team archive: the site.
inline constexpr ScreenText kColumnTeamSite{"Archive",
                                            QT_TRANSLATE_NOOP3("Archive", "现场", "team")};
//: Column of the team archive: where on the site.
inline constexpr ScreenText kColumnTeamLocation{"Archive",
                                                QT_TRANSLATE_NOOP3("Archive", "位置", "team")};
//: Column of the team archive: who measured.
inline constexpr ScreenText kColumnTeamInspector{"Archive",
                                                 QT_TRANSLATE_NOOP3("Archive", "检测人员", "team")};
//: Column of the team archive: the database role that pushed the download.
inline constexpr ScreenText kColumnTeamOwner{"Archive", QT_TRANSLATE_NOOP("Archive", "上传者")};
//: The team view while it reads the server's downloads into this computer's copy.
inline constexpr ScreenText kTeamCopyUpdating{
    "Archive", QT_TRANSLATE_NOOP("Archive", "正在从团队服务器更新...")};
//: %1 the time the team view was last brought up to date with the server.
inline constexpr ScreenText kTeamCopyUpdated{
    "Archive", QT_TRANSLATE_NOOP("Archive", "已从团队服务器更新: %1")};
//: %1 why the server could not be read: the team view shows the copy read before.
inline constexpr ScreenText kTeamCopyStale{
    "Archive", QT_TRANSLATE_NOOP("Archive", "显示上次读取的内容; 团队服务器无法使用: %1")};
//: The team view without a team server set up.
inline constexpr ScreenText kTeamCopyNoServer{"Archive",
                                              QT_TRANSLATE_NOOP("Archive", "尚未设置团队服务器")};
//: A change or deletion made in the team view was not taken: the server's version is shown again.
inline constexpr ScreenText kTeamCopyRefused{
    "Archive",
    QT_TRANSLATE_NOOP("Archive", "团队服务器拒绝了此修改: 只有上传者和管理员可以修改或删除")};
//: The team view's copy of this computer cannot be written.
inline constexpr ScreenText kTeamCopyUnwritable{
    "Archive", QT_TRANSLATE_NOOP("Archive", "无法写入团队档案在本机的副本")};
inline constexpr ScreenText kTeamCopyRefresh{"Archive", QT_TRANSLATE_NOOP("Archive", "刷新")};

}  // namespace eqbond::text
