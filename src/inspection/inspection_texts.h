#pragma once
// Captions and messages of inspections: test plans, the inspection report and the archive
// window's sites, details, test points and comparison, as texts.h.
#include <QString>

#include "base/screen_text.h"

namespace eqbond::text {

//: %1 the site's name.
inline constexpr ScreenText kSiteInUse{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "现场 %1 仍有检测记录, 不能删除.")};
//: The test plan file was read as UTF-8.
inline constexpr ScreenText kPlanReadUtf8{"Inspection",
                                          QT_TRANSLATE_NOOP("Inspection", "测试计划按 UTF-8 读取")};
//: The test plan file was read as GBK.
inline constexpr ScreenText kPlanReadGbk{"Inspection",
                                         QT_TRANSLATE_NOOP("Inspection", "测试计划按 GBK 读取")};
//: %1 how many groups were given a test point from the plan.
inline constexpr ScreenText kPlanApplied{"Inspection",
                                         QT_TRANSLATE_NOOP("Inspection", "已为 %1 组标注测试点")};
//: %1 the plan's line.
inline constexpr ScreenText kPlanLineTooLong{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "第 %1 行: 测试点名称超过 200 个字符")};
//: %1 the plan's line.
inline constexpr ScreenText kPlanLineControl{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "第 %1 行: 测试点名称含有控制字符")};
//: %1 the plan's line; what follows its last '|' is the test point's limit in ohm.
inline constexpr ScreenText kPlanLineLimit{
    "Inspection",
    QT_TRANSLATE_NOOP("Inspection", "第 %1 行: 限值须为 0.001 至 1000 Ω, 至多三位小数")};
//: A limit typed into the group table.
inline constexpr ScreenText kLimitTyped{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "限值须为 0.001 至 1000 Ω, 至多三位小数")};
//: A limit typed for a group that has no test point.
inline constexpr ScreenText kLimitNoPoint{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "限值属于测试点: 请先填写测试点")};
//: Beside the instrument's serial in the report: %1 its calibration certificate, %2 the date
//: the calibration is due (YYYY-MM-DD).
inline constexpr ScreenText kReportCalibration{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "校准证书 %1, 校准有效期至 %2")};
//: The groups were measured after the instrument's calibration due date.
inline constexpr ScreenText kCalibrationExpired{"Inspection",
                                                QT_TRANSLATE_NOOP("Inspection", "校准已过期")};
//: Download status: the team's server deleted it; this computer keeps its copy.
inline constexpr ScreenText kDeletedOnTeamServer{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "已在团队服务器上删除")};
//: Re-test status: the next date has passed.
inline constexpr ScreenText kDueOverdue{"Inspection", QT_TRANSLATE_NOOP("Inspection", "逾期")};
//: Re-test status: the next date comes within the days asked for.
inline constexpr ScreenText kDueSoon{"Inspection", QT_TRANSLATE_NOOP("Inspection", "到期")};
//: Re-test status: in order.
inline constexpr ScreenText kDueOk{"Inspection", QT_TRANSLATE_NOOP("Inspection", "正常")};
//: Column: overdue, due or in order.
inline constexpr ScreenText kColumnDueStatus{"Inspection",
                                             QT_TRANSLATE_NOOP("Inspection", "复检状态")};
inline constexpr ScreenText kColumnNextDate{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "下次复检")};
inline constexpr ScreenText kColumnLastInspection{"Inspection",
                                                  QT_TRANSLATE_NOOP("Inspection", "上次检测")};
//: Column: points of the location's kept plan its last inspection did not measure.
inline constexpr ScreenText kColumnUnmeasured{"Inspection",
                                              QT_TRANSLATE_NOOP("Inspection", "未测点")};
inline constexpr ScreenText kColumnSerial{"Inspection",
                                          QT_TRANSLATE_NOOP("Inspection", "仪器编号")};
inline constexpr ScreenText kColumnCalibrated{"Inspection",
                                              QT_TRANSLATE_NOOP("Inspection", "校准日期")};
inline constexpr ScreenText kColumnCalibrationDue{"Inspection",
                                                  QT_TRANSLATE_NOOP("Inspection", "校准到期")};
inline constexpr ScreenText kColumnCertificate{"Inspection",
                                               QT_TRANSLATE_NOOP("Inspection", "证书编号")};
inline constexpr ScreenText kColumnModel{"Inspection", QT_TRANSLATE_NOOP("Inspection", "型号")};
//: The title of the re-test view and of its printout.
inline constexpr ScreenText kDueTitle{"Inspection", QT_TRANSLATE_NOOP("Inspection", "复检计划")};
//: The title of the instrument register.
inline constexpr ScreenText kInstrumentsTitle{"Inspection",
                                              QT_TRANSLATE_NOOP("Inspection", "仪器登记")};
//: Button: opens the re-test dates and the instrument register.
inline constexpr ScreenText kPlanningButton{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "复检与仪器")};
//: Before the days: a location whose re-test comes within them is due.
inline constexpr ScreenText kDueWithinLabel{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "到期提前天数")};
inline constexpr ScreenText kPrintDue{"Inspection",
                                      QT_TRANSLATE_NOOP("Inspection", "打印复检计划")};

inline constexpr ScreenText kReportTitle{"Inspection",
                                         QT_TRANSLATE_NOOP("Inspection", "等电位联结检测报告")};
inline constexpr ScreenText kReportSite{"Inspection", QT_TRANSLATE_NOOP("Inspection", "现场: %1")};
inline constexpr ScreenText kReportAddress{"Inspection",
                                           QT_TRANSLATE_NOOP("Inspection", "地址: %1")};
inline constexpr ScreenText kReportCustomer{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "客户: %1")};
//: Building, floor, room.
inline constexpr ScreenText kReportLocation{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "位置: %1")};
inline constexpr ScreenText kReportInspector{"Inspection",
                                             QT_TRANSLATE_NOOP("Inspection", "检测人员: %1")};
//: The instrument's serial number.
inline constexpr ScreenText kReportInstrument{"Inspection",
                                              QT_TRANSLATE_NOOP("Inspection", "仪器编号: %1")};
//: %1 the day, or first and last day, the groups were measured.
inline constexpr ScreenText kReportMeasured{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "测量日期: %1")};
//: %1 the bonding limit.
inline constexpr ScreenText kReportLimit{"Inspection", QT_TRANSLATE_NOOP("Inspection", "限值: %1")};
//: %1 the standard the lab tests to.
inline constexpr ScreenText kReportStandard{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "依据标准: %1")};
//: Column: the test point's label.
inline constexpr ScreenText kColumnPoint{"Inspection", QT_TRANSLATE_NOOP("Inspection", "测试点")};
//: Column: the test point's value in the previous inspection.
inline constexpr ScreenText kColumnPrevious{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "上次值")};
//: Column: the change since the previous inspection.
inline constexpr ScreenText kColumnChange{"Inspection", QT_TRANSLATE_NOOP("Inspection", "变化")};
//: Column: whether the point deteriorated since the previous inspection.
inline constexpr ScreenText kColumnDeteriorated{"Inspection",
                                                QT_TRANSLATE_NOOP3("Inspection", "劣化", "column")};
//: The mark of a deteriorated point, a word so that it reads in black and white.
inline constexpr ScreenText kDeterioratedMark{"Inspection",
                                              QT_TRANSLATE_NOOP3("Inspection", "劣化", "mark")};
//: %1 points tested, %2 passed, %3 failed, %4 deteriorated, %5 overloads.
inline constexpr ScreenText kReportSummary{
    "Inspection",
    QT_TRANSLATE_NOOP("Inspection",
                      "测试点数: %1   合格: %2   不合格: %3   劣化: %4   超量程: %5")};
inline constexpr ScreenText kReportName{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "姓名: ______________________")};
inline constexpr ScreenText kReportSignature{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "签名: ______________________")};
inline constexpr ScreenText kReportDate{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "日期: ______________________")};
//: The report button when no report was issued for the download yet.
inline constexpr ScreenText kIssueReportButton{"Inspection",
                                               QT_TRANSLATE_NOOP("Inspection", "签发报告PDF")};
//: The report button when the issued report is unchanged: it writes the same file again.
inline constexpr ScreenText kIssuedReportButton{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "报告PDF (已签发)")};
//: The report button when the report would now say something else: it asks for a reason.
inline constexpr ScreenText kReviseReportButton{"Inspection",
                                                QT_TRANSLATE_NOOP("Inspection", "签发新版本PDF…")};
//: The title of the question for a new revision's reason.
inline constexpr ScreenText kReviseReportTitle{"Inspection",
                                               QT_TRANSLATE_NOOP("Inspection", "签发新版本")};
//: %1 the number and revision issued (in English words), %2 what changed (in English words).
inline constexpr ScreenText kReviseReportReason{
    "Inspection",
    QT_TRANSLATE_NOOP("Inspection", "%1 已签发, 现在的报告内容不同: %2\n新版本的原因:")};
//: An issued revision in the list: %1 number and revision, %2 when issued, %3 the reason.
inline constexpr ScreenText kIssuedRevisionItem{"Inspection",
                                                QT_TRANSLATE_NOOP("Inspection", "%1   %2   %3")};
//: Writes the revision chosen in the list again, byte for byte as issued.
inline constexpr ScreenText kWriteRevisionButton{"Inspection",
                                                 QT_TRANSLATE_NOOP("Inspection", "写出所选版本…")};
//: At the head of every page of an issued report: %1 its number, %2 its revision.
inline constexpr ScreenText kReportIdentity{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "报告编号: %1   第 %2 版")};
//: %1 the earlier revision this one replaces, %2 why.
inline constexpr ScreenText kReportReplaces{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "替代第 %1 版: %2")};
//: Signature block of an issued report: %1 the inspector, %2 the day or days measured.
inline constexpr ScreenText kReportInspectedBy{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "检测人员: %1      日期: %2")};
//: Signature block of an issued report: %1 the approver, %2 the day it was issued.
inline constexpr ScreenText kReportApprovedBy{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "批准人: %1      签发日期: %2")};
//: The summary box's conclusion when every judged point passed and none deteriorated.
inline constexpr ScreenText kReportAllPassed{"Inspection",
                                             QT_TRANSLATE_NOOP("Inspection", "结论: 全部合格")};
//: The summary box's conclusion: %1 points failed, %2 deteriorated.
inline constexpr ScreenText kReportConclusion{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "结论: %1 个测试点不合格, %2 个劣化")};
//: Letterhead: %1 the lab's accreditation or licence number.
inline constexpr ScreenText kLetterheadAccreditation{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "资质证书编号: %1")};
//: Letterhead: %1 the lab's telephone number.
inline constexpr ScreenText kLetterheadTelephone{"Inspection",
                                                 QT_TRANSLATE_NOOP("Inspection", "电话: %1")};
//: The report's last line.
inline constexpr ScreenText kReportEnd{"Inspection",
                                       QT_TRANSLATE_NOOP("Inspection", "— 报告结束 —")};
//: %1 this page, %2 the pages of the report.
inline constexpr ScreenText kReportPage{"Inspection",
                                        QT_TRANSLATE_NOOP("Inspection", "第 %1 页 共 %2 页")};

//: The site tree's heading: sites, their locations and inspections.
inline constexpr ScreenText kSiteTreeHeading{"Inspection", QT_TRANSLATE_NOOP("Inspection", "现场")};
//: Check box: the download list shows only the downloads of the site chosen in the tree.
inline constexpr ScreenText kOnlyChosenSite{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "只列出所选现场")};
//: The inspection details panel's title.
inline constexpr ScreenText kDetailsTitle{"Inspection",
                                          QT_TRANSLATE_NOOP("Inspection", "检测信息")};
//: The site the download was measured at.
inline constexpr ScreenText kDetailsSite{"Inspection", QT_TRANSLATE_NOOP("Inspection", "现场:")};
//: The entry of the site list that makes a new site.
inline constexpr ScreenText kNewSite{"Inspection", QT_TRANSLATE_NOOP("Inspection", "(新现场)")};
inline constexpr ScreenText kSiteName{"Inspection", QT_TRANSLATE_NOOP("Inspection", "现场名称:")};
inline constexpr ScreenText kSiteAddress{"Inspection", QT_TRANSLATE_NOOP("Inspection", "地址:")};
inline constexpr ScreenText kSiteCustomer{"Inspection", QT_TRANSLATE_NOOP("Inspection", "客户:")};
//: Building, floor, room.
inline constexpr ScreenText kDetailsLocation{"Inspection",
                                             QT_TRANSLATE_NOOP("Inspection", "位置:")};
inline constexpr ScreenText kDetailsInspector{"Inspection",
                                              QT_TRANSLATE_NOOP("Inspection", "检测人员:")};
//: The instrument's serial number.
inline constexpr ScreenText kDetailsInstrument{"Inspection",
                                               QT_TRANSLATE_NOOP("Inspection", "仪器编号:")};
inline constexpr ScreenText kDetailsNotes{"Inspection", QT_TRANSLATE_NOOP("Inspection", "备注:")};
//: Button: keeps the inspection details.
inline constexpr ScreenText kSaveDetails{"Inspection",
                                         QT_TRANSLATE_NOOP3("Inspection", "保存", "details")};
inline constexpr ScreenText kDetailsSaved{"Inspection",
                                          QT_TRANSLATE_NOOP("Inspection", "检测信息已保存")};
//: %1 the field's caption.
inline constexpr ScreenText kDetailsTooLong{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "%1 超过 200 个字符, 未保存")};
//: %1 the field's caption.
inline constexpr ScreenText kDetailsControl{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "%1 含有控制字符, 未保存")};
inline constexpr ScreenText kSiteNameMissing{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "新现场需要名称, 未保存")};
inline constexpr ScreenText kDetailsFailed{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "检测信息未能保存: 本机档案无法写入")};
//: Tooltip of an earlier value: %1 who measured it, %2 the day the instrument measured it, %3 when
//: its download was read.
inline constexpr ScreenText kMeasuredBy{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "%1 于 %2 测量 (下载于 %3)")};
//: In place of an inspector no one named.
inline constexpr ScreenText kNoInspector{"Inspection",
                                         QT_TRANSLATE_NOOP("Inspection", "未填写检测人员")};
//: The team view: a change kept in this computer's copy, on its way to the team server.
inline constexpr ScreenText kSentToServer{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "已存入本机副本, 正在提交团队服务器…")};
inline constexpr ScreenText kSavedOnServer{"Inspection",
                                           QT_TRANSLATE_NOOP("Inspection", "已保存到团队服务器")};
//: The team server's rules did not take a change made in the team view.
inline constexpr ScreenText kRefusedByServer{
    "Inspection",
    QT_TRANSLATE_NOOP("Inspection", "未保存: 团队服务器拒绝了此修改, 只有上传者和管理员可以修改")};
//: %1 why the team server cannot be used; the change goes once it can.
inline constexpr ScreenText kNotSentToServer{
    "Inspection",
    QT_TRANSLATE_NOOP("Inspection",
                      "尚未保存到团队服务器 (%1): 修改留在本机副本, 服务器可用时提交")};
//: The team view's details of a download this role may not change; %1 the role that pushed it.
inline constexpr ScreenText kReadOnlyDownload{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "只读: 只有上传者 %1 和管理员可以修改")};
//: Before the list that chooses which groups the table shows.
inline constexpr ScreenText kGroupFilterLabel{"Inspection",
                                              QT_TRANSLATE_NOOP("Inspection", "显示:")};
inline constexpr ScreenText kGroupFilterAll{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "全部组")};
inline constexpr ScreenText kGroupFilterFailing{"Inspection",
                                                QT_TRANSLATE_NOOP("Inspection", "不合格的组")};
inline constexpr ScreenText kGroupFilterDeteriorated{"Inspection",
                                                     QT_TRANSLATE_NOOP("Inspection", "劣化的组")};
//: Column: the change since the previous inspection in milliohm.
inline constexpr ScreenText kColumnChangeMilliohm{"Inspection",
                                                  QT_TRANSLATE_NOOP("Inspection", "变化(mΩ)")};
//: Column: the change since the previous inspection in percent.
inline constexpr ScreenText kColumnChangePercent{"Inspection",
                                                 QT_TRANSLATE_NOOP("Inspection", "变化(%)")};
//: Before the number of the group the plan's first label goes to.
inline constexpr ScreenText kPlanFirstGroup{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "计划第 1 行对应组号:")};
//: Button: reads a test plan file and labels the groups from it.
inline constexpr ScreenText kApplyPlan{"Inspection",
                                       QT_TRANSLATE_NOOP("Inspection", "应用测试计划…")};
//: Button: labels the groups with the plan kept for this site and location.
inline constexpr ScreenText kUseKeptPlan{"Inspection",
                                         QT_TRANSLATE_NOOP("Inspection", "使用本位置的计划")};
//: File dialog filter.
inline constexpr ScreenText kPlanFilter{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "测试计划 (*.txt);;所有文件 (*)")};
inline constexpr ScreenText kPlanNeedsSite{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "请先保存本次检测的现场和位置")};
inline constexpr ScreenText kNoKeptPlan{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "本位置没有保存的测试计划")};
inline constexpr ScreenText kPlanUnreadable{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "无法读取测试计划文件")};
inline constexpr ScreenText kPlanNotStored{"Inspection",
                                           QT_TRANSLATE_NOOP("Inspection", "测试点未能保存")};
//: Button: writes the inspection report as a PDF file.
inline constexpr ScreenText kReportPdfButton{"Inspection",
                                             QT_TRANSLATE_NOOP("Inspection", "检测报告PDF")};
//: Button: prints the inspection report.
inline constexpr ScreenText kPrintReport{"Inspection",
                                         QT_TRANSLATE_NOOP("Inspection", "打印检测报告")};
//: %1 the test point's label.
inline constexpr ScreenText kHistoryTitle{"Inspection",
                                          QT_TRANSLATE_NOOP("Inspection", "测试点历史: %1")};
inline constexpr ScreenText kHistoryNone{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "选择已标注的组查看其历史")};
//: Column of the download list: the site.
inline constexpr ScreenText kColumnSite{"Inspection",
                                        QT_TRANSLATE_NOOP3("Inspection", "现场", "column")};
//: Column of the download list: where on the site.
inline constexpr ScreenText kColumnLocation{"Inspection",
                                            QT_TRANSLATE_NOOP3("Inspection", "位置", "column")};
//: Column of the download list in the team view: the database role that pushed the download.
inline constexpr ScreenText kColumnOwner{"Inspection", QT_TRANSLATE_NOOP("Inspection", "上传者")};

//: Heading of the list of fields changed here and on the team's server to different values.
inline constexpr ScreenText kConflictsHeading{
    "Inspection", QT_TRANSLATE_NOOP("Inspection", "与团队档案冲突的字段")};
//: Column of the conflict list: which field of the download.
inline constexpr ScreenText kColumnConflictField{"Inspection",
                                                 QT_TRANSLATE_NOOP("Inspection", "字段")};
//: Column of the conflict list: the value the team's server holds.
inline constexpr ScreenText kColumnServerValue{"Inspection",
                                               QT_TRANSLATE_NOOP("Inspection", "服务器上的值")};
//: Column of the conflict list: the value this computer holds.
inline constexpr ScreenText kColumnHereValue{"Inspection",
                                             QT_TRANSLATE_NOOP("Inspection", "本机的值")};
//: Button: the server's value is written on this computer.
inline constexpr ScreenText kTakeServerValue{"Inspection",
                                             QT_TRANSLATE_NOOP("Inspection", "采用服务器的值")};
//: Button: this computer's value stays and goes to the server with the next push.
inline constexpr ScreenText kKeepHereValue{"Inspection",
                                           QT_TRANSLATE_NOOP("Inspection", "保留本机的值")};
//: Field of the conflict list.
inline constexpr ScreenText kFieldInspector{"Inspection",
                                            QT_TRANSLATE_NOOP3("Inspection", "检测人员", "field")};
//: Field of the conflict list: the instrument's serial number.
inline constexpr ScreenText kFieldInstrument{"Inspection",
                                             QT_TRANSLATE_NOOP3("Inspection", "仪器编号", "field")};
//: Field of the conflict list.
inline constexpr ScreenText kFieldNotes{"Inspection",
                                        QT_TRANSLATE_NOOP3("Inspection", "备注", "field")};
//: Field of the conflict list: %1 the group's number.
inline constexpr ScreenText kFieldTestPoint{"Inspection",
                                            QT_TRANSLATE_NOOP("Inspection", "第 %1 组测试点")};

}  // namespace eqbond::text
