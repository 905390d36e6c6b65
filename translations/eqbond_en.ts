<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Archive</name>
    <message>
        <source>测量档案</source>
        <extracomment>The archive window&apos;s title.</extracomment>
        <translation>Measurement archive</translation>
    </message>
    <message>
        <source>测量档案无法使用, 本次运行不再存档.
文件: %1
原因: %2</source>
        <extracomment>%1 the archive&apos;s file, %2 the reason.</extracomment>
        <translation>The measurement archive cannot be used; nothing more is archived until the program starts again.
File: %1
Reason: %2</translation>
    </message>
    <message>
        <source>无法建立或打开该文件</source>
        <translation>The file cannot be created or opened</translation>
    </message>
    <message>
        <source>文件已损坏或不是测量档案</source>
        <translation>The file is damaged or is not a measurement archive</translation>
    </message>
    <message>
        <source>档案由更新版本的程序建立</source>
        <translation>A newer version of the program made the archive</translation>
    </message>
    <message>
        <source>文件被另一个程序锁定</source>
        <translation>Another program has locked the file</translation>
    </message>
    <message>
        <source>文件或所在文件夹不可写</source>
        <translation>The file or its folder is read-only</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>数据库出错</source>
        <translation>Database error</translation>
    </message>
    <message>
        <source>筛选:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>限值(Ω):</source>
        <translation>Limit (Ω):</translation>
    </message>
    <message>
        <source>无</source>
        <extracomment>Shown in the empty limit field.</extracomment>
        <translation>None</translation>
    </message>
    <message>
        <source>读取时间</source>
        <extracomment>Column: when the read started.</extracomment>
        <translation>Read at</translation>
    </message>
    <message>
        <source>设备</source>
        <extracomment>Column: the serial port it came from.</extracomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>组数</source>
        <extracomment>Column: how many groups were read.</extracomment>
        <translation>Groups</translation>
    </message>
    <message>
        <source>状态</source>
        <extracomment>Column: whether the read ended.</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>合格</source>
        <extracomment>Column and verdict: at or below the bonding limit.</extracomment>
        <translation>Pass</translation>
    </message>
    <message>
        <source>不合格</source>
        <extracomment>Column and verdict: above the bonding limit, or an overload.</extracomment>
        <translation>Fail</translation>
    </message>
    <message>
        <source>组号</source>
        <extracomment>Column: the group&apos;s number.</extracomment>
        <translation>Group</translation>
    </message>
    <message>
        <source>电阻值</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>电池电压低</source>
        <extracomment>Column: the instrument&apos;s battery was low when the group was measured.</extracomment>
        <translation>Low battery</translation>
    </message>
    <message>
        <source>判定</source>
        <extracomment>Column: pass or fail.</extracomment>
        <translation>Result</translation>
    </message>
    <message>
        <source>完成</source>
        <extracomment>The read ended with the last group.</extracomment>
        <translation>Complete</translation>
    </message>
    <message>
        <source>未完成</source>
        <extracomment>The read was given up before the last group.</extracomment>
        <translation>Incomplete</translation>
    </message>
    <message>
        <source>全量程</source>
        <extracomment>The plot&apos;s scale reaches the highest value instead of keeping the limit readable.</extracomment>
        <translation>Full range</translation>
    </message>
    <message>
        <source>导出文本</source>
        <translation>Export text</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除 %1 读取的 %2 组数据?</source>
        <extracomment>%1 when the read started, %2 how many groups it holds.</extracomment>
        <translation>Delete the %2 groups read at %1?</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>测量档案</source>
        <comment>button</comment>
        <extracomment>The main window&apos;s button that opens the archive window, 105 pixels.</extracomment>
        <translation>Archive</translation>
    </message>
    <message>
        <source>限值</source>
        <extracomment>Column: the limit the group is judged by, in ohm (its test point&apos;s own, else the bonding limit).</extracomment>
        <translation>Limit</translation>
    </message>
</context>
<context>
    <name>Inspection</name>
    <message>
        <source>现场 %1 仍有检测记录, 不能删除.</source>
        <extracomment>%1 the site&apos;s name.</extracomment>
        <translation>Site %1 still has inspections and cannot be deleted.</translation>
    </message>
    <message>
        <source>测试计划按 UTF-8 读取</source>
        <extracomment>The test plan file was read as UTF-8.</extracomment>
        <translation>Test plan read as UTF-8</translation>
    </message>
    <message>
        <source>测试计划按 GBK 读取</source>
        <extracomment>The test plan file was read as GBK.</extracomment>
        <translation>Test plan read as GBK</translation>
    </message>
    <message>
        <source>已为 %1 组标注测试点</source>
        <extracomment>%1 how many groups were given a test point from the plan.</extracomment>
        <translation>%1 groups given a test point</translation>
    </message>
    <message>
        <source>第 %1 行: 测试点名称超过 200 个字符</source>
        <extracomment>%1 the plan&apos;s line.</extracomment>
        <translation>Line %1: the test point is longer than 200 characters</translation>
    </message>
    <message>
        <source>第 %1 行: 测试点名称含有控制字符</source>
        <extracomment>%1 the plan&apos;s line.</extracomment>
        <translation>Line %1: the test point contains a control character</translation>
    </message>
    <message>
        <source>等电位联结检测报告</source>
        <translation>Equipotential bonding inspection report</translation>
    </message>
    <message>
        <source>现场: %1</source>
        <translation>Site: %1</translation>
    </message>
    <message>
        <source>地址: %1</source>
        <translation>Address: %1</translation>
    </message>
    <message>
        <source>客户: %1</source>
        <translation>Customer: %1</translation>
    </message>
    <message>
        <source>位置: %1</source>
        <extracomment>Building, floor, room.</extracomment>
        <translation>Location: %1</translation>
    </message>
    <message>
        <source>检测人员: %1</source>
        <translation>Inspector: %1</translation>
    </message>
    <message>
        <source>仪器编号: %1</source>
        <extracomment>The instrument&apos;s serial number.</extracomment>
        <translation>Instrument serial: %1</translation>
    </message>
    <message>
        <source>测量日期: %1</source>
        <extracomment>%1 the day, or first and last day, the groups were measured.</extracomment>
        <translation>Measured: %1</translation>
    </message>
    <message>
        <source>限值: %1</source>
        <extracomment>%1 the bonding limit.</extracomment>
        <translation>Bonding limit: %1</translation>
    </message>
    <message>
        <source>依据标准: %1</source>
        <extracomment>%1 the standard the lab tests to.</extracomment>
        <translation>Standard: %1</translation>
    </message>
    <message>
        <source>测试点</source>
        <extracomment>Column: the test point&apos;s label.</extracomment>
        <translation>Test point</translation>
    </message>
    <message>
        <source>上次值</source>
        <extracomment>Column: the test point&apos;s value in the previous inspection.</extracomment>
        <translation>Previous</translation>
    </message>
    <message>
        <source>变化</source>
        <extracomment>Column: the change since the previous inspection.</extracomment>
        <translation>Change</translation>
    </message>
    <message>
        <source>劣化</source>
        <comment>column</comment>
        <extracomment>Column: whether the point deteriorated since the previous inspection.</extracomment>
        <translation>Deteriorated</translation>
    </message>
    <message>
        <source>劣化</source>
        <comment>mark</comment>
        <extracomment>The mark of a deteriorated point, a word so that it reads in black and white.</extracomment>
        <translation>deteriorated</translation>
    </message>
    <message>
        <source>测试点数: %1   合格: %2   不合格: %3   劣化: %4   超量程: %5</source>
        <extracomment>%1 points tested, %2 passed, %3 failed, %4 deteriorated, %5 overloads.</extracomment>
        <translation>Points tested: %1   Passed: %2   Failed: %3   Deteriorated: %4   Overloads: %5</translation>
    </message>
    <message>
        <source>姓名: ______________________</source>
        <translation>Name: ______________________</translation>
    </message>
    <message>
        <source>签名: ______________________</source>
        <translation>Signature: ______________________</translation>
    </message>
    <message>
        <source>日期: ______________________</source>
        <translation>Date: ______________________</translation>
    </message>
    <message>
        <source>签发报告PDF</source>
        <extracomment>The report button when no report was issued for the download yet.</extracomment>
        <translation>Issue report PDF</translation>
    </message>
    <message>
        <source>报告PDF (已签发)</source>
        <extracomment>The report button when the issued report is unchanged: it writes the same file again.</extracomment>
        <translation>Report PDF (issued)</translation>
    </message>
    <message>
        <source>签发新版本PDF…</source>
        <extracomment>The report button when the report would now say something else: it asks for a reason.</extracomment>
        <translation>Issue new revision PDF…</translation>
    </message>
    <message>
        <source>签发新版本</source>
        <extracomment>The title of the question for a new revision&apos;s reason.</extracomment>
        <translation>New revision</translation>
    </message>
    <message>
        <source>%1 已签发, 现在的报告内容不同: %2
新版本的原因:</source>
        <extracomment>%1 the number and revision issued (in English words), %2 what changed (in English words).</extracomment>
        <translation>%1 is issued; the report would now say something else: %2
Reason for the new revision:</translation>
    </message>
    <message>
        <source>%1   %2   %3</source>
        <extracomment>An issued revision in the list: %1 number and revision, %2 when issued, %3 the reason.</extracomment>
        <translation>%1   %2   %3</translation>
    </message>
    <message>
        <source>写出所选版本…</source>
        <extracomment>Writes the revision chosen in the list again, byte for byte as issued.</extracomment>
        <translation>Write chosen revision…</translation>
    </message>
    <message>
        <source>报告编号: %1   第 %2 版</source>
        <extracomment>At the head of every page of an issued report: %1 its number, %2 its revision.</extracomment>
        <translation>Report no. %1   revision %2</translation>
    </message>
    <message>
        <source>替代第 %1 版: %2</source>
        <extracomment>%1 the earlier revision this one replaces, %2 why.</extracomment>
        <translation>replaces revision %1: %2</translation>
    </message>
    <message>
        <source>检测人员: %1      日期: %2</source>
        <extracomment>Signature block of an issued report: %1 the inspector, %2 the day or days measured.</extracomment>
        <translation>Inspector: %1      date: %2</translation>
    </message>
    <message>
        <source>批准人: %1      签发日期: %2</source>
        <extracomment>Signature block of an issued report: %1 the approver, %2 the day it was issued.</extracomment>
        <translation>Approved by: %1      issued: %2</translation>
    </message>
    <message>
        <source>结论: 全部合格</source>
        <extracomment>The summary box&apos;s conclusion when every judged point passed and none deteriorated.</extracomment>
        <translation>Conclusion: all passed</translation>
    </message>
    <message>
        <source>结论: %1 个测试点不合格, %2 个劣化</source>
        <extracomment>The summary box&apos;s conclusion: %1 points failed, %2 deteriorated.</extracomment>
        <translation>Conclusion: %1 failed, %2 deteriorated</translation>
    </message>
    <message>
        <source>资质证书编号: %1</source>
        <extracomment>Letterhead: %1 the lab&apos;s accreditation or licence number.</extracomment>
        <translation>Accreditation no.: %1</translation>
    </message>
    <message>
        <source>电话: %1</source>
        <extracomment>Letterhead: %1 the lab&apos;s telephone number.</extracomment>
        <translation>Tel.: %1</translation>
    </message>
    <message>
        <source>— 报告结束 —</source>
        <extracomment>The report&apos;s last line.</extracomment>
        <translation>— End of report —</translation>
    </message>
    <message>
        <source>第 %1 页 共 %2 页</source>
        <extracomment>%1 this page, %2 the pages of the report.</extracomment>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>现场</source>
        <extracomment>The site tree&apos;s heading: sites, their locations and inspections.</extracomment>
        <translation>Sites</translation>
    </message>
    <message>
        <source>只列出所选现场</source>
        <extracomment>Check box: the download list shows only the downloads of the site chosen in the tree.</extracomment>
        <translation>Only the chosen site</translation>
    </message>
    <message>
        <source>检测信息</source>
        <extracomment>The inspection details panel&apos;s title.</extracomment>
        <translation>Inspection details</translation>
    </message>
    <message>
        <source>现场:</source>
        <extracomment>The site the download was measured at.</extracomment>
        <translation>Site:</translation>
    </message>
    <message>
        <source>(新现场)</source>
        <extracomment>The entry of the site list that makes a new site.</extracomment>
        <translation>(new site)</translation>
    </message>
    <message>
        <source>现场名称:</source>
        <translation>Site name:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>客户:</source>
        <translation>Customer:</translation>
    </message>
    <message>
        <source>位置:</source>
        <extracomment>Building, floor, room.</extracomment>
        <translation>Location:</translation>
    </message>
    <message>
        <source>检测人员:</source>
        <translation>Inspector:</translation>
    </message>
    <message>
        <source>仪器编号:</source>
        <extracomment>The instrument&apos;s serial number.</extracomment>
        <translation>Instrument serial:</translation>
    </message>
    <message>
        <source>备注:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>保存</source>
        <comment>details</comment>
        <extracomment>Button: keeps the inspection details.</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>检测信息已保存</source>
        <translation>Details saved</translation>
    </message>
    <message>
        <source>%1 超过 200 个字符, 未保存</source>
        <extracomment>%1 the field&apos;s caption.</extracomment>
        <translation>%1 is longer than 200 characters; nothing saved</translation>
    </message>
    <message>
        <source>%1 含有控制字符, 未保存</source>
        <extracomment>%1 the field&apos;s caption.</extracomment>
        <translation>%1 contains a control character; nothing saved</translation>
    </message>
    <message>
        <source>新现场需要名称, 未保存</source>
        <translation>A new site needs a name; nothing saved</translation>
    </message>
    <message>
        <source>检测信息未能保存: 本机档案无法写入</source>
        <translation>The details were not saved: this computer&apos;s archive cannot be written</translation>
    </message>
    <message>
        <source>%1 于 %2 测量 (下载于 %3)</source>
        <extracomment>Tooltip of an earlier value: %1 who measured it, %2 the day the instrument measured it, %3 when its download was read.</extracomment>
        <translation>Measured by %1 on %2 (download read %3)</translation>
    </message>
    <message>
        <source>未填写检测人员</source>
        <extracomment>In place of an inspector no one named.</extracomment>
        <translation>inspector not given</translation>
    </message>
    <message>
        <source>已存入本机副本, 正在提交团队服务器…</source>
        <extracomment>The team view: a change kept in this computer&apos;s copy, on its way to the team server.</extracomment>
        <translation>Kept in this computer&apos;s copy, sending to the team server…</translation>
    </message>
    <message>
        <source>已保存到团队服务器</source>
        <translation>Saved on the team server</translation>
    </message>
    <message>
        <source>未保存: 团队服务器拒绝了此修改, 只有上传者和管理员可以修改</source>
        <extracomment>The team server&apos;s rules did not take a change made in the team view.</extracomment>
        <translation>Not saved: the team server refused the change; only the inspector who pushed it, or an admin, may change it</translation>
    </message>
    <message>
        <source>尚未保存到团队服务器 (%1): 修改留在本机副本, 服务器可用时提交</source>
        <extracomment>%1 why the team server cannot be used; the change goes once it can.</extracomment>
        <translation>Not yet on the team server (%1): the change stays in this computer&apos;s copy and goes once the server answers</translation>
    </message>
    <message>
        <source>只读: 只有上传者 %1 和管理员可以修改</source>
        <extracomment>The team view&apos;s details of a download this role may not change; %1 the role that pushed it.</extracomment>
        <translation>Read-only: only %1, who pushed it, or an admin may change it</translation>
    </message>
    <message>
        <source>显示:</source>
        <extracomment>Before the list that chooses which groups the table shows.</extracomment>
        <translation>Show:</translation>
    </message>
    <message>
        <source>全部组</source>
        <translation>All groups</translation>
    </message>
    <message>
        <source>不合格的组</source>
        <translation>Failing groups</translation>
    </message>
    <message>
        <source>劣化的组</source>
        <translation>Deteriorated groups</translation>
    </message>
    <message>
        <source>变化(mΩ)</source>
        <extracomment>Column: the change since the previous inspection in milliohm.</extracomment>
        <translation>Change (mΩ)</translation>
    </message>
    <message>
        <source>变化(%)</source>
        <extracomment>Column: the change since the previous inspection in percent.</extracomment>
        <translation>Change (%)</translation>
    </message>
    <message>
        <source>计划第 1 行对应组号:</source>
        <extracomment>Before the number of the group the plan&apos;s first label goes to.</extracomment>
        <translation>Plan line 1 labels group:</translation>
    </message>
    <message>
        <source>应用测试计划…</source>
        <extracomment>Button: reads a test plan file and labels the groups from it.</extracomment>
        <translation>Apply test plan…</translation>
    </message>
    <message>
        <source>使用本位置的计划</source>
        <extracomment>Button: labels the groups with the plan kept for this site and location.</extracomment>
        <translation>Use this location&apos;s plan</translation>
    </message>
    <message>
        <source>测试计划 (*.txt);;所有文件 (*)</source>
        <extracomment>File dialog filter.</extracomment>
        <translation>Test plans (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>请先保存本次检测的现场和位置</source>
        <translation>Save this inspection&apos;s site and location first</translation>
    </message>
    <message>
        <source>本位置没有保存的测试计划</source>
        <translation>This location has no kept test plan</translation>
    </message>
    <message>
        <source>无法读取测试计划文件</source>
        <translation>The test plan file cannot be read</translation>
    </message>
    <message>
        <source>测试点未能保存</source>
        <translation>The test points could not be stored</translation>
    </message>
    <message>
        <source>检测报告PDF</source>
        <extracomment>Button: writes the inspection report as a PDF file.</extracomment>
        <translation>Report PDF</translation>
    </message>
    <message>
        <source>打印检测报告</source>
        <extracomment>Button: prints the inspection report.</extracomment>
        <translation>Print report</translation>
    </message>
    <message>
        <source>测试点历史: %1</source>
        <extracomment>%1 the test point&apos;s label.</extracomment>
        <translation>Test point history: %1</translation>
    </message>
    <message>
        <source>选择已标注的组查看其历史</source>
        <translation>Choose a labelled group to see its history</translation>
    </message>
    <message>
        <source>现场</source>
        <comment>column</comment>
        <extracomment>Column of the download list: the site.</extracomment>
        <translation>Site</translation>
    </message>
    <message>
        <source>位置</source>
        <comment>column</comment>
        <extracomment>Column of the download list: where on the site.</extracomment>
        <translation>Location</translation>
    </message>
    <message>
        <source>上传者</source>
        <extracomment>Column of the download list in the team view: the database role that pushed the download.</extracomment>
        <translation>Pushed by</translation>
    </message>
    <message>
        <source>第 %1 行: 限值须为 0.001 至 1000 Ω, 至多三位小数</source>
        <extracomment>%1 the plan&apos;s line; what follows its last &apos;|&apos; is the test point&apos;s limit in ohm.</extracomment>
        <translation>Line %1: the limit must be 0.001 to 1000 Ω, at most three decimals</translation>
    </message>
    <message>
        <source>限值须为 0.001 至 1000 Ω, 至多三位小数</source>
        <extracomment>A limit typed into the group table.</extracomment>
        <translation>The limit must be 0.001 to 1000 Ω, at most three decimals</translation>
    </message>
    <message>
        <source>限值属于测试点: 请先填写测试点</source>
        <extracomment>A limit typed for a group that has no test point.</extracomment>
        <translation>A limit belongs to a test point: enter the test point first</translation>
    </message>
    <message>
        <source>校准证书 %1, 校准有效期至 %2</source>
        <extracomment>Beside the instrument&apos;s serial in the report: %1 its calibration certificate, %2 the date the calibration is due (YYYY-MM-DD).</extracomment>
        <translation>calibration certificate %1, calibration due %2</translation>
    </message>
    <message>
        <source>校准已过期</source>
        <extracomment>The groups were measured after the instrument&apos;s calibration due date.</extracomment>
        <translation>calibration expired</translation>
    </message>
    <message>
        <source>已在团队服务器上删除</source>
        <extracomment>Download status: the team&apos;s server deleted it; this computer keeps its copy.</extracomment>
        <translation>deleted on the team server</translation>
    </message>
    <message>
        <source>逾期</source>
        <extracomment>Re-test status: the next date has passed.</extracomment>
        <translation>overdue</translation>
    </message>
    <message>
        <source>到期</source>
        <extracomment>Re-test status: the next date comes within the days asked for.</extracomment>
        <translation>due</translation>
    </message>
    <message>
        <source>正常</source>
        <extracomment>Re-test status: in order.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>复检状态</source>
        <extracomment>Column: overdue, due or in order.</extracomment>
        <translation>Re-test</translation>
    </message>
    <message>
        <source>下次复检</source>
        <translation>Next re-test</translation>
    </message>
    <message>
        <source>上次检测</source>
        <translation>Last inspection</translation>
    </message>
    <message>
        <source>未测点</source>
        <extracomment>Column: points of the location&apos;s kept plan its last inspection did not measure.</extracomment>
        <translation>Not measured</translation>
    </message>
    <message>
        <source>仪器编号</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>校准日期</source>
        <translation>Calibrated</translation>
    </message>
    <message>
        <source>校准到期</source>
        <translation>Calibration due</translation>
    </message>
    <message>
        <source>证书编号</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>复检计划</source>
        <extracomment>The title of the re-test view and of its printout.</extracomment>
        <translation>Re-test plan</translation>
    </message>
    <message>
        <source>仪器登记</source>
        <extracomment>The title of the instrument register.</extracomment>
        <translation>Instruments</translation>
    </message>
    <message>
        <source>复检与仪器</source>
        <extracomment>Button: opens the re-test dates and the instrument register.</extracomment>
        <translation>Re-tests</translation>
    </message>
    <message>
        <source>到期提前天数</source>
        <extracomment>Before the days: a location whose re-test comes within them is due.</extracomment>
        <translation>Due within days</translation>
    </message>
    <message>
        <source>打印复检计划</source>
        <translation>Print re-tests</translation>
    </message>
    <message>
        <source>与团队档案冲突的字段</source>
        <extracomment>Heading of the list of fields changed here and on the team&apos;s server to different values.</extracomment>
        <translation>Fields in conflict with the team archive</translation>
    </message>
    <message>
        <source>字段</source>
        <extracomment>Column of the conflict list: which field of the download.</extracomment>
        <translation>Field</translation>
    </message>
    <message>
        <source>服务器上的值</source>
        <extracomment>Column of the conflict list: the value the team&apos;s server holds.</extracomment>
        <translation>Server&apos;s value</translation>
    </message>
    <message>
        <source>本机的值</source>
        <extracomment>Column of the conflict list: the value this computer holds.</extracomment>
        <translation>This computer&apos;s value</translation>
    </message>
    <message>
        <source>采用服务器的值</source>
        <extracomment>Button: the server&apos;s value is written on this computer.</extracomment>
        <translation>Take the server&apos;s value</translation>
    </message>
    <message>
        <source>保留本机的值</source>
        <extracomment>Button: this computer&apos;s value stays and goes to the server with the next push.</extracomment>
        <translation>Keep this computer&apos;s value</translation>
    </message>
    <message>
        <source>检测人员</source>
        <comment>field</comment>
        <extracomment>Field of the conflict list.</extracomment>
        <translation>Inspector</translation>
    </message>
    <message>
        <source>仪器编号</source>
        <comment>field</comment>
        <extracomment>Field of the conflict list: the instrument&apos;s serial number.</extracomment>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>备注</source>
        <comment>field</comment>
        <extracomment>Field of the conflict list.</extracomment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>第 %1 组测试点</source>
        <extracomment>Field of the conflict list: %1 the group&apos;s number.</extracomment>
        <translation>Group %1 test point</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>智能型等电位测试仪</source>
        <translation>Equipotential Bonding Tester</translation>
    </message>
    <message>
        <source>串口已打开</source>
        <extracomment>Status box, 113 pixels.</extracomment>
        <translation>Port open</translation>
    </message>
    <message>
        <source>串口已关闭</source>
        <extracomment>Status box, 113 pixels.</extracomment>
        <translation>Port closed</translation>
    </message>
    <message>
        <source>连接成功</source>
        <extracomment>Status box, 113 pixels: the instrument answers.</extracomment>
        <translation>Connected</translation>
    </message>
    <message>
        <source>连接失败</source>
        <extracomment>Status box, 113 pixels: no instrument answers.</extracomment>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>正在查找设备....</source>
        <extracomment>Status box, 113 pixels: walking the serial ports for the instrument.</extracomment>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>正在读取.....</source>
        <extracomment>Status box, 113 pixels: reading the instrument&apos;s stored groups.</extracomment>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>线阻</source>
        <extracomment>Tag beside the live reading when it is the test leads&apos; own resistance, 33 pixels.</extracomment>
        <translation>Lead</translation>
    </message>
    <message>
        <source>电阻分析</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>设置报警</source>
        <translation>Alarm threshold</translation>
    </message>
    <message>
        <source>历史查询操作</source>
        <translation>Browse pages</translation>
    </message>
    <message>
        <source>状态信息</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>仪表操作</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>页</source>
        <extracomment>After the page number field, 17 pixels.</extracomment>
        <translation>p.</translation>
    </message>
    <message>
        <source>最大值:</source>
        <extracomment>Before the largest reading, 137 pixels with the value.</extracomment>
        <translation>Max: </translation>
    </message>
    <message>
        <source>最小值:</source>
        <extracomment>Before the smallest reading, 137 pixels with the value.</extracomment>
        <translation>Min: </translation>
    </message>
    <message>
        <source>平均值:</source>
        <extracomment>Before the average reading, 137 pixels with the value.</extracomment>
        <translation>Avg: </translation>
    </message>
    <message>
        <source>电池电压低</source>
        <extracomment>The instrument&apos;s battery is low, 49 pixels in a small font.</extracomment>
        <translation>Low batt.</translation>
    </message>
    <message>
        <source>测    试</source>
        <extracomment>Button, 105 pixels: the instrument starts measuring.</extracomment>
        <translation>Test</translation>
    </message>
    <message>
        <source>校    验</source>
        <extracomment>Button, 105 pixels: the instrument measures its test leads.</extracomment>
        <translation>Verify</translation>
    </message>
    <message>
        <source>复    位</source>
        <extracomment>Button, 105 pixels: the instrument stops measuring.</extracomment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>保    存</source>
        <extracomment>Button, 105 pixels: saves the chart as a bitmap or the groups as a text report.</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>数据清除</source>
        <extracomment>Button, 105 pixels: forgets the groups read into the program.</extracomment>
        <translation>Clear data</translation>
    </message>
    <message>
        <source>打    印</source>
        <extracomment>Button, 105 pixels.</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>上一页</source>
        <extracomment>Button, 73 pixels.</extracomment>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一页</source>
        <extracomment>Button, 73 pixels.</extracomment>
        <translation>Next</translation>
    </message>
    <message>
        <source>确定</source>
        <extracomment>Button, 73 pixels: shows the page typed beside it.</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>读    取</source>
        <extracomment>Button, 105 pixels: reads the groups stored in the instrument.</extracomment>
        <translation>Read</translation>
    </message>
    <message>
        <source>暂    停</source>
        <extracomment>Button, 105 pixels: pauses the read.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>继   续</source>
        <extracomment>Button, 105 pixels: continues a paused read.</extracomment>
        <translation>Continue</translation>
    </message>
    <message>
        <source>开背光灯</source>
        <extracomment>Button, 105 pixels: turns the instrument&apos;s backlight on.</extracomment>
        <translation>Backlight on</translation>
    </message>
    <message>
        <source>关背光灯</source>
        <extracomment>Button, 105 pixels: turns the instrument&apos;s backlight off.</extracomment>
        <translation>Backlight off</translation>
    </message>
    <message>
        <source>锁  定</source>
        <extracomment>Button, 97 pixels: fixes the alarm threshold typed beside it.</extracomment>
        <translation>Lock</translation>
    </message>
    <message>
        <source>解  除</source>
        <extracomment>Button, 97 pixels: frees the alarm threshold again.</extracomment>
        <translation>Release</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>系统提示!</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>连接失败.</source>
        <translation>Not connected to the instrument.</translation>
    </message>
    <message>
        <source>仪表数据为0.</source>
        <extracomment>The instrument reports no stored groups.</extracomment>
        <translation>The instrument holds no stored groups.</translation>
    </message>
    <message>
        <source>文件保存失败.</source>
        <translation>The file could not be saved.</translation>
    </message>
    <message>
        <source>未找到打印机.</source>
        <translation>No printer found.</translation>
    </message>
    <message>
        <source>请输入 -32768 到 32767 之间的组号.</source>
        <extracomment>A group number typed in the print options is not a number in this range.</extracomment>
        <translation>Enter a group number from -32768 to 32767.</translation>
    </message>
    <message>
        <source>打印出错, 打印已停止.</source>
        <translation>Printing failed and has stopped.</translation>
    </message>
    <message>
        <source>取消</source>
        <extracomment>Also the print options&apos; button, 65 pixels.</extracomment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Try Again</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PrintOptions</name>
    <message>
        <source>打印选项</source>
        <translation>Print Options</translation>
    </message>
    <message>
        <source>打印信息</source>
        <translation>Print job</translation>
    </message>
    <message>
        <source>自定义</source>
        <extracomment>Box around a range of groups to print, 265 pixels.</extracomment>
        <translation>Range of groups</translation>
    </message>
    <message>
        <source>每页可打印:168组</source>
        <extracomment>121 pixels.</extracomment>
        <translation>168 groups per page</translation>
    </message>
    <message>
        <source>从</source>
        <extracomment>Before the first group of the range, 17 pixels.</extracomment>
        <translatorcomment>English needs no word here: the row reads &quot;(•) [1] to [168]&quot; under &quot;Range of groups&quot;, and a word would not fit.</translatorcomment>
        <translation> </translation>
    </message>
    <message>
        <source>到</source>
        <extracomment>Between the first and last group of the range, 25 pixels.</extracomment>
        <translation>to</translation>
    </message>
    <message>
        <source>组</source>
        <extracomment>After the range&apos;s last group, 25 pixels.</extracomment>
        <translatorcomment>English needs no word here: the row reads &quot;(•) [1] to [168]&quot; under &quot;Range of groups&quot;, and a word would not fit.</translatorcomment>
        <translation> </translation>
    </message>
    <message>
        <source>全部</source>
        <extracomment>Print every group, 113 pixels.</extracomment>
        <translation>All groups</translation>
    </message>
    <message>
        <source>打印</source>
        <extracomment>Button, 65 pixels.</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>共有:%1组</source>
        <extracomment>The number of groups read, 129 pixels.</extracomment>
        <translation>Groups: %1</translation>
    </message>
    <message>
        <source>共有:%1页</source>
        <extracomment>The number of pages they fill, 105 pixels.</extracomment>
        <translation>Pages: %1</translation>
    </message>
    <message>
        <source>共有: %1组</source>
        <extracomment>The number of groups read, once loaded (the source has a blank more), 129 pixels.</extracomment>
        <translation>Groups: %1</translation>
    </message>
    <message>
        <source>共有: %1页</source>
        <extracomment>The number of pages they fill, once loaded (the source has a blank more), 105 pixels.</extracomment>
        <translation>Pages: %1</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>位图文件 (*.bmp)</source>
        <translation>Bitmap files (*.bmp)</translation>
    </message>
</context>
<context>
    <name>Team</name>
    <message>
        <source>服务器记录的修改历史</source>
        <extracomment>Heading of the team view&apos;s history of the chosen download, as the server recorded it.</extracomment>
        <translation>History recorded by the server</translation>
    </message>
    <message>
        <source>无法读取修改历史: %1</source>
        <extracomment>The history of the chosen download could not be read: %1 why.</extracomment>
        <translation>The history cannot be read: %1</translation>
    </message>
    <message>
        <source>团队档案: 已全部上传</source>
        <extracomment>The archive window&apos;s status line of the team archive: every download is on the server.</extracomment>
        <translation>Team archive: all pushed</translation>
    </message>
    <message>
        <source>团队档案: %1 个待上传</source>
        <extracomment>%1 downloads not yet on the team server.</extracomment>
        <translation>Team archive: %1 waiting</translation>
    </message>
    <message>
        <source>团队档案无法使用: %1 (%2 个待上传)</source>
        <extracomment>%1 why the team server cannot be used, %2 downloads waiting for it.</extracomment>
        <translation>Team archive cannot be used: %1 (%2 waiting)</translation>
    </message>
    <message>
        <source>团队档案无法使用: %1 (%2 个待上传), 自 %3 起</source>
        <extracomment>%1 why the team server cannot be used, %2 downloads waiting for it, %3 the time it first failed.</extracomment>
        <translation>Team archive cannot be used: %1 (%2 waiting), since %3</translation>
    </message>
    <message>
        <source>未安装 PostgreSQL 驱动</source>
        <translation>Qt&apos;s PostgreSQL driver is not installed</translation>
    </message>
    <message>
        <source>服务器地址无法识别</source>
        <translation>the server&apos;s address cannot be read</translation>
    </message>
    <message>
        <source>服务器繁忙</source>
        <translation>server busy</translation>
    </message>
    <message>
        <source>该下载已在服务器上删除</source>
        <translation>deleted on the server</translation>
    </message>
    <message>
        <source>无法连接服务器</source>
        <translation>the server cannot be reached</translation>
    </message>
    <message>
        <source>登录失败 (用户名或密码错误)</source>
        <translation>authentication failed (wrong user name or password)</translation>
    </message>
    <message>
        <source>无权使用团队档案</source>
        <translation>no permission to use the team archive</translation>
    </message>
    <message>
        <source>团队档案由更新版本的程序建立</source>
        <translation>a newer eqbond set the team archive up</translation>
    </message>
    <message>
        <source>该数据库不是团队档案</source>
        <translation>the database is not an eqbond team archive</translation>
    </message>
    <message>
        <source>服务器规则拒绝此修改</source>
        <translation>the server&apos;s rules refuse this change</translation>
    </message>
    <message>
        <source>团队服务器…</source>
        <extracomment>The button that opens the team server&apos;s dialog.</extracomment>
        <translation>Team server…</translation>
    </message>
    <message>
        <source>团队档案服务器</source>
        <translation>Team archive server</translation>
    </message>
    <message>
        <source>服务器:</source>
        <extracomment>Before the field of the server&apos;s connection URI.</extracomment>
        <translation>Server:</translation>
    </message>
    <message>
        <source>测试连接</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>立即上传</source>
        <translation>Push now</translation>
    </message>
    <message>
        <source>连接成功, 角色: %1</source>
        <extracomment>%1 the database role the program works as.</extracomment>
        <translation>Connected as role %1</translation>
    </message>
    <message>
        <source>连接失败: %1</source>
        <extracomment>%1 why the connection failed.</extracomment>
        <translation>Cannot connect: %1</translation>
    </message>
    <message>
        <source>%1 的密码 (仅在本次运行中保留):</source>
        <extracomment>%1 the server without its password. The password is kept only while the program runs.</extracomment>
        <translation>Password for %1 (kept only while the program runs):</translation>
    </message>
    <message>
        <source>本机档案</source>
        <extracomment>The archive window&apos;s switch to the downloads kept on this computer.</extracomment>
        <translation>This computer</translation>
    </message>
    <message>
        <source>团队档案</source>
        <comment>switch</comment>
        <extracomment>The archive window&apos;s switch to every inspector&apos;s downloads on the team server.</extracomment>
        <translation>Team</translation>
    </message>
    <message>
        <source>检测人员</source>
        <comment>team</comment>
        <extracomment>Column of the team archive: who measured.</extracomment>
        <translation>Inspector</translation>
    </message>
    <message>
        <source>正在从团队服务器更新...</source>
        <extracomment>The team view while it reads the server&apos;s downloads into this computer&apos;s copy.</extracomment>
        <translation>Updating from the team server...</translation>
    </message>
    <message>
        <source>已从团队服务器更新: %1</source>
        <extracomment>%1 the time the team view was last brought up to date with the server.</extracomment>
        <translation>Updated from the team server: %1</translation>
    </message>
    <message>
        <source>显示上次读取的内容; 团队服务器无法使用: %1</source>
        <extracomment>%1 why the server could not be read: the team view shows the copy read before.</extracomment>
        <translation>Showing what was read last; the team server cannot be used: %1</translation>
    </message>
    <message>
        <source>团队服务器无法使用: %1; 显示 %2 更新的内容</source>
        <extracomment>%1 why the server could not be read, %2 the time the team view was last brought up to date.</extracomment>
        <translation>The team server cannot be used: %1; showing what was read at %2</translation>
    </message>
    <message>
        <source>尚未设置团队服务器</source>
        <extracomment>The team view without a team server set up.</extracomment>
        <translation>No team server set up</translation>
    </message>
    <message>
        <source>团队服务器拒绝了此修改: 只有上传者和管理员可以修改或删除</source>
        <extracomment>A change or deletion made in the team view was not taken: the server&apos;s version is shown again.</extracomment>
        <translation>The team server refused this change: only the inspector who pushed a download, or an admin, may change or delete it</translation>
    </message>
    <message>
        <source>无法写入团队档案在本机的副本</source>
        <extracomment>The team view&apos;s copy of this computer cannot be written.</extracomment>
        <translation>The team archive&apos;s copy on this computer cannot be written</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>此记录的测量组尚未从团队服务器读取: 服务器可用时重新打开此记录</source>
        <extracomment>The team view: a download whose groups were never read from the server (it was not opened while the server answered) is not written, printed or reported without them.</extracomment>
        <translation>This download&apos;s groups have not been read from the team server yet: open it again when the server answers</translation>
    </message>
</context>
</TS>
