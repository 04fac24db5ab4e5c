#include "listings/listing_kinds.h"

namespace listing {

namespace items {
QStringList districts()
{
    return {QStringLiteral("城东"), QStringLiteral("城西"), QStringLiteral("城南"), QStringLiteral("城北"),
            QStringLiteral("城东南"), QStringLiteral("城东北"), QStringLiteral("城西南"), QStringLiteral("城西北"),
            QStringLiteral("城市中心"), QStringLiteral("城郊区")};
}
QStringList categories()
{
    return {QStringLiteral("高层楼"), QStringLiteral("一般居民楼"), QStringLiteral("写字楼"), QStringLiteral("别墅"),
            QStringLiteral("商住综合"), QStringLiteral("门面房"), QStringLiteral("厂房仓库"), QStringLiteral("平房")};
}
QStringList layouts()
{
    return {QStringLiteral("单室套"), QStringLiteral("小套"), QStringLiteral("中套"), QStringLiteral("大套"),
            QStringLiteral("特大套"), QStringLiteral("跃层"), QStringLiteral("错层"), QStringLiteral("复式")};
}
QStringList areas()
{
    return {QStringLiteral("50平方米以下"), QStringLiteral("50-70 平方米"), QStringLiteral("70-90 平方米"),
            QStringLiteral("90-110 平方米"), QStringLiteral("110-150 平方米"), QStringLiteral("150平方米以上")};
}
QStringList floors()
{
    return {QStringLiteral("1层"), QStringLiteral("2层"), QStringLiteral("3层"), QStringLiteral("4层"),
            QStringLiteral("5层"), QStringLiteral("6层"), QStringLiteral("7层"), QStringLiteral("8层"),
            QStringLiteral("8层以上")};
}
QStringList decorations()
{
    return {QStringLiteral("一般装修"), QStringLiteral("中等装修"), QStringLiteral("精致装修"), QStringLiteral("豪华装修")};
}
QStringList ownerships()
{
    return {QStringLiteral("个人产权"), QStringLiteral("单位产权"), QStringLiteral("集体产权"), QStringLiteral("房改房"),
            QStringLiteral("居住权")};
}
QStringList rents()
{
    return {QStringLiteral("100以下"), QStringLiteral("100-300"), QStringLiteral("300-500"),
            QStringLiteral("500-700"), QStringLiteral("700-1000"), QStringLiteral("1000-3000"),
            QStringLiteral("3000-5000"), QStringLiteral("5000-7000"), QStringLiteral("7000-9000"),
            QStringLiteral("9000-10000"), QStringLiteral("10000以上")};
}
// Every screen ends the unit list with "元/年", so that what a registration
// stores is what the search and detail windows offer.
QStringList rentUnits()
{
    return {QStringLiteral("元/天"), QStringLiteral("元/月"), QStringLiteral("元/半年"), QStringLiteral("元/年")};
}
QStringList prices()
{
    return {QStringLiteral("10000以下"), QStringLiteral("10000-20000"), QStringLiteral("20000-40000"),
            QStringLiteral("40000-60000"), QStringLiteral("60000-80000"), QStringLiteral("80000-100000"),
            QStringLiteral("100000以上")};
}
}

namespace {
using namespace items;
const Write If = Write::IfChosen;
const Write All = Write::Always;

Field list(const char *caption, const char *control, const char *column, QStringList its, Write w = If,
           const char *param = "")
{
    return {QString::fromUtf8(caption), QString::fromUtf8(control), Input::List, QString::fromUtf8(column),
            std::move(its), w, QString::fromUtf8(param), false};
}
Field edit(const char *caption, const char *control, const char *column, bool highlight, const char *param = "")
{
    return {QString::fromUtf8(caption), QString::fromUtf8(control), Input::Edit, QString::fromUtf8(column), {},
            All, QString::fromUtf8(param), highlight};
}
Field other(Input in, const char *caption, const char *control, const char *column, bool highlight = false)
{
    return {QString::fromUtf8(caption), QString::fromUtf8(control), in, QString::fromUtf8(column), {}, All, {},
            highlight};
}
Button button(const char *control, const char *caption)
{
    return {QString::fromUtf8(control), QString::fromUtf8(caption)};
}
QStringList hints(const char *refresh)
{
    QStringList h{QStringLiteral("第一条记录"), QStringLiteral("上一条记录"), QStringLiteral("下一条记录"),
                  QStringLiteral("最后一条记录")};
    if (refresh)
        h << QString::fromUtf8(refresh);
    return h;
}
QVector<GridColumn> columns(std::initializer_list<std::pair<const char *, int>> cols)
{
    QVector<GridColumn> out;
    for (const auto &c : cols)
        out.push_back({QString::fromUtf8(c.first), QString::fromUtf8(c.first), c.second});
    return out;
}
}

// --- browse -----------------------------------------------------------------------

const BrowseKind &rentalBrowse()
{
    static const BrowseKind k{
        QStringLiteral("form_chuzufang"), QStringLiteral("出租房信息"), QSize(640, 400),
        &TDM::Query_chuzufang, &TDM::ds_chuzufang, &TDM::Query_qiouzuren, QStringLiteral("获租人"),
        QStringLiteral("select * from 出租房信息表"),
        QStringLiteral("select * from 求租人信息表 where 求租人号=:num"),
        QStringLiteral("Form_qiouzuren_xiangxi"), QStringLiteral("form_add_chuzufang"),
        QStringLiteral("form_chuzufang_xiangxi"), QStringLiteral("form_find_chuzufang"),
        QStringLiteral("Timer_chuzufang"), 10,
        {edit("出租房号：", "DBEdit_chuzufanghao", "出租房号", false),
         edit("所处路段：", "DBEdit_suozailuduan", "所处路段", false),
         edit("联系人：", "DBEdit_lianxiren", "联系人", false),
         edit("联系电话：", "DBEdit_lianxidianhua", "联系电话", false),
         edit("获租人号：", "DBEdit_huozuren", "获租人", false)},
        QStringLiteral("DBEdit_huozuren"),
        columns({{"出租房号", 60}, {"所处路段", 60}, {"联系人", 60}, {"联系电话", 60}, {"获租人", 60}}),
        hints("刷新数据"),
        QStringLiteral("Label2"), QStringLiteral("个出租房"), QStringLiteral("Label4"),
        button("button_dengji", "登记新出租房 &D"),
        button("button_chuzufang_xiangxi", "查看详细资料 &V"),
        button("button_huozurenxingxi", "查看获租人信息 &H"),
        button("Button_chaxun", "查询房屋信息 &F"),
        button("suiButton1", "全部显示 &A")};
    return k;
}

const BrowseKind &saleBrowse()
{
    static const BrowseKind k{
        QStringLiteral("Form_chugoufangxinxi"), QStringLiteral("出售房信息"), QSize(640, 400),
        &TDM::Query_chushoufang, &TDM::ds_chushoufang, &TDM::Query_qiougouren, QStringLiteral("购买人"),
        QStringLiteral("select * from 出售房信息表"),
        QStringLiteral("select * from 求购人信息表 where 求购人号=:num"),
        QStringLiteral("Form_qiougouren_xiangxi"), QStringLiteral("Form_add_chushoufang"),
        QStringLiteral("Form_chushoufang_xiangxi"), QStringLiteral("Form_find_chushoufang"),
        QStringLiteral("Timer"), 100,
        {edit("出售房号：", "DBEdit_chushoufanghao", "出购房号", false),
         edit("所在路段：", "DBEdit_suozailuduan", "所处路段", false),
         edit("联系人：", "DBEdit_lianxiren", "联系人", false),
         edit("联系电话：", "DBEdit_lianxidianhua", "联系电话", false),
         edit("购买人：", "DBEdit_goumairen", "购买人", false)},
        QStringLiteral("DBEdit_goumairen"),
        columns({{"出购房号", 55}, {"所处路段", 80}, {"联系人", 55}, {"联系电话", 55}, {"购买人", 60}}),
        hints("刷新记录"),
        QStringLiteral("labe_chushoufang"), QStringLiteral("个出售房"), QStringLiteral("Label_kongxian"),
        button("suiButton1", "登记新出售房 &D"),
        button("button_chuzufang_xiangxi", "查看详细资料 &V"),
        button("button_huozurenxingxi", "查看购买人信息 &H"),
        button("Button_chaxun", "查询房屋信息 &F"),
        button("button_view_all", "全部显示 &A")};
    return k;
}

// --- registration -------------------------------------------------------------------

const RegistrationKind &rentalRegistration()
{
    static const RegistrationKind k{
        QStringLiteral("form_add_chuzufang"), QStringLiteral("新出租房登记表"), QSize(660, 420),
        &TDM::Query_chuzufang, QStringLiteral("获租人"), QStringLiteral("新出租房添加成功！"), QDate(2004, 2, 2),
        {list("房产地域：", "ComboBox_add_fangchandiyu", "房产地域", districts()),
         list("房产类别：", "ComboBox_add_fangchanleibie", "房产类别", categories()),
         list("房间套型：", "ComboBox_add_fangjiantaoxing", "房间套型", layouts()),
         edit("所处路段：", "Edit_add_jutiluduan", "所处路段", true),
         list("房间面积(m2)：", "ComboBox_add_fangwumianjie", "房间面积", areas()),
         list("房间楼层：", "ComboBox_add_fangjianlouceng", "房间楼层", floors()),
         list("租金：", "ComboBox1_zujing", "租金", rents()),
         list("", "ComboBox_add_zujing_shijian", "租金单位", rentUnits(), All),
         list("装修情况：", "ComboBox_add_zhuangxiouqingkuang", "装修情况", decorations()),
         list("房产权属：", "ComboBox_add_fangchanquanshu", "房产权属", ownerships()),
         edit("联系人：", "Edit_add_lianxiren", "联系人", true),
         edit("联系电话：", "Edit_add_lianxidianhua", "联系电话", true),
         other(Input::Date, "登记日期：", "DateTimePicker_add_dengjiriqi", "登记日期"),
         other(Input::Memo, "备注：", "Memo_add_beizhu", "备注", true)},
        QStringLiteral("数据操作"), button("button_tijiaodengji", "提交登记 &A"), button("button_cancel", "关闭 &C"),
        true};
    return k;
}

const RegistrationKind &saleRegistration()
{
    static const RegistrationKind k{
        QStringLiteral("Form_add_chushoufang"), QStringLiteral("登记新出售房"), QSize(660, 420),
        &TDM::Query_chushoufang, QStringLiteral("购买人"), QStringLiteral("新出售房添加成功！"), QDate(2004, 2, 5),
        {list("房产地域：", "ComboBox_add_fangchandiyu", "房产地域", districts()),
         list("房产类别：", "ComboBox_add_fangchanleixing", "房产类别", categories()),
         list("房间套型：", "ComboBox_add_fangjianleixing", "房间套型", layouts()),
         edit("所处路段：", "Edit_add_luduan", "所处路段", true),
         list("房间面积：", "ComboBox_add_fangjianmianji", "房间面积", areas()),
         list("出售价格(元)：", "ComboBox1", "出售价格", prices()),
         list("房间楼层：", "ComboBox_add_fangjianlouceng", "房间楼层", floors()),
         list("装修情况：", "ComboBox_add_zhuangxiouqingkuang", "装修情况", decorations()),
         list("房产权属：", "ComboBox_add_fangchanquanshu", "房产权属", ownerships()),
         edit("联系人：", "Edit_add_lianxiren", "联系人", true),
         edit("联系电话：", "Edit_add_lianxidianhua", "联系电话", true),
         other(Input::Date, "登记日期：", "DateTimePicker_add_dengjiriqi", "登记日期"),
         other(Input::Memo, "备注：", "memo_add_beizhu", "备注", true)},
        QStringLiteral("数据操作："), button("button_tijiaodengji", "提交登记  &A"), button("button_cancel", "关闭 &C"),
        false};
    return k;
}

// --- detail ---------------------------------------------------------------------------

const DetailKind &rentalDetail()
{
    static const DetailKind k{
        QStringLiteral("form_chuzufang_xiangxi"), QStringLiteral("出租房详细资料"), QSize(680, 450),
        &TDM::Query_chuzufang, &TDM::ds_chuzufang, QStringLiteral("获租人"), QStringLiteral("DBEdit_huozuren"),
        {other(Input::Key, "出租房号：", "dbedit_fanghao", "出租房号"),
         list("房产地域：", "dbComboBox_diyu", "房产地域", districts()),
         list("房产类别：", "dbComboBox_leibie", "房产类别", categories()),
         list("房间套型：", "dbDBComboBox_fangjiantaoxing", "房间套型", layouts()),
         edit("所处路段：", "dbEdit_luduan", "所处路段", true),
         list("房屋面积(m2)：", "dbComboBox_mianji", "房间面积", areas()),
         list("房间楼层：", "dbComboBox_louceng", "房间楼层", floors()),
         list("租金：", "DBComboBox_zujing", "租金", rents()),
         list("", "DBComboBox_zujingdanwei", "租金单位", rentUnits(), All),
         list("装修情况：", "dbComboBox_zhuangxiou", "装修情况", decorations()),
         list("房产权属：", "dbComboBox_chanquan", "房产权属", ownerships()),
         edit("获租人号：", "DBEdit_huozuren", "获租人", true),
         other(Input::Date, "登记日期：", "DBDateTimePicker_dengji", "登记日期"),
         edit("联系人：", "dbEdit_lianxiren", "联系人", true),
         edit("联系电话：", "dbedit_call", "联系电话", true),
         other(Input::Memo, "备注：", "DBMemo_beizhu", "备注", true)},
        false, false, hints("刷新数据"),
        button("button_xiougai", "开始修改 &K"), button("button_tijiao", "提交修改 &T"),
        button("button_Delete", "删除记录  &D"), button("button_cancel", "关闭 &C")};
    return k;
}

const DetailKind &saleDetail()
{
    static const DetailKind k{
        QStringLiteral("Form_chushoufang_xiangxi"), QStringLiteral("出售房详细资料"), QSize(680, 450),
        &TDM::Query_chushoufang, &TDM::ds_chushoufang, QStringLiteral("购买人"), QStringLiteral("DBEdit_goumairen"),
        {other(Input::Key, "出售房号：", "DBEdit_chushoufanghao", "出购房号"),
         list("房产地域：", "DBComboBox_fangchandiyu", "房产地域", districts(), All),
         list("房产类别：", "DBComboBox_fangchanleibie", "房产类别", categories(), All),
         list("房间套型：", "DBComboBox_fangjiantaoxing", "房间套型", layouts(), All),
         edit("所处路段：", "DBEdit_suochuluduan", "所处路段", true),
         list("房间面积：", "DBComboBox_fangwumianji", "房间面积", areas(), All),
         list("出售价格(元)：", "DBComboBox_chushoujiage", "出售价格", prices(), All),
         list("房间楼层：", "DBComboBox_fangjianlouceng", "房间楼层", floors(), All),
         list("装修情况：", "DBComboBox_zhuangxiouqingkuang", "装修情况", decorations(), All),
         list("房产权属：", "DBComboBox_fangchanquanshu", "房产权属", ownerships(), All),
         edit("购买人：", "DBEdit_goumairen", "购买人", true),
         other(Input::Date, "登记日期：", "DBDateTimePicker_dengji", "登记日期"),
         edit("联系人：", "DBEdit_lianxiren", "联系人", true),
         edit("联系电话：", "DBEdit_lianxidianhua", "联系电话", true),
         other(Input::Memo, "备注：", "DBMemo_beizhu", "备注", true)},
        true, true, hints("刷新记录"),
        button("button_xiougai", "开始修改 &K"), button("button_tijiaoxiougai", "提交修改 &T"),
        button("button_shanchu", "删除记录 &D"), button("button_cancel", "关闭 &C")};
    return k;
}

// --- search -----------------------------------------------------------------------------

const SearchKind &rentalSearch()
{
    static const SearchKind k{
        QStringLiteral("form_find_chuzufang"), QStringLiteral("出租房信息查询系统"), QSize(680, 470),
        &TDM::Query_chuzufang, &TDM::ds_chuzufang,
        QStringLiteral("select * from 出租房信息表 where 房产地域 like:diyu and 房产类别 like:leibie and 所处路段 "
                       "like:luduan and 房间面积 like:mianji and 房间楼层 like:louceng and 房产权属 like:quanshu and "
                       "联系人 like:lianxiren and 联系电话 like:lianxidianhua and 装修情况 like:zhuangxiou and 房间套型 "
                       "like:taoxing and 租金 like:zujin and 租金单位 like:danwei"),
        {list("房产地域：", "ComboBox_diyu", "房产地域", districts(), If, "diyu"),
         list("房产类别：", "ComboBox_leibie", "房产类别", categories(), If, "leibie"),
         edit("所在路段：", "Edit_luduan", "所处路段", false, "luduan"),
         list("房屋面积(m2)：", "ComboBox_mianji", "房间面积", areas(), If, "mianji"),
         list("房间楼层：", "ComboBox_louceng", "房间楼层", floors(), If, "louceng"),
         list("房产权属：", "ComboBox_quanshu", "房产权属", ownerships(), If, "quanshu"),
         edit("联系人：", "Edit_lianxiren", "联系人", false, "lianxiren"),
         edit("联系电话：", "Edit_lianxidianhua", "联系电话", false, "lianxidianhua"),
         list("装修情况：", "ComboBox_zhuangxiouqingkuang", "装修情况", decorations(), If, "zhuangxiou"),
         list("房间套型：", "ComboBox_taoxing", "房间套型", layouts(), If, "taoxing"),
         list("租金：", "ComboBox_zujing", "租金", rents(), If, "zujin"),
         list("", "ComboBox_danwei", "租金单位", rentUnits(), If, "danwei")},
        QStringLiteral("Label12"),
        columns({{"出租房号", 52}, {"所处路段", 100}, {"联系人", 80}, {"联系电话", 80}, {"获租人", 50}}),
        hints(nullptr),
        button("Button_start", "开始查找 &K"), button("button_view", "该房详细信息 &X"),
        button("button_delete", "删除该记录 &D"), button("button_cancel", "关闭 &C"),
        QStringLiteral("form_chuzufang_xiangxi"), {QStringLiteral("StaticText3"), QStringLiteral("StaticText4")}, true};
    return k;
}

const SearchKind &saleSearch()
{
    static const SearchKind k{
        QStringLiteral("Form_find_chushoufang"), QStringLiteral("出售房查询系统"), QSize(680, 470),
        &TDM::Query_chushoufang, &TDM::ds_chushoufang,
        QStringLiteral("select * from 出售房信息表 where 房产地域 like:diyu and 房产类别 like:leibie and 所处路段 "
                       "like:luduan and 房间面积 like:mianji and 房间楼层 like:louceng and 房产权属 like:quanshu and "
                       "联系人 like:lianxiren and 联系电话 like:lianxidianhua and 装修情况 like:zhuangxiou and 房间套型 "
                       "like:taoxing and 出售价格 like:jiage"),
        {list("房产地域：", "ComboBox_fangchandiyu", "房产地域", districts(), If, "diyu"),
         list("房产类别：", "ComboBox_leibie", "房产类别", categories(), If, "leibie"),
         edit("所处路段：", "Edit_suochuluduan", "所处路段", false, "luduan"),
         list("房间面积：", "ComboBox_fangjianmianji", "房间面积", areas(), If, "mianji"),
         list("房间楼层：", "ComboBox_louceng", "房间楼层", floors(), If, "louceng"),
         list("房产权属：", "ComboBox_fangchanquanshu", "房产权属", ownerships(), If, "quanshu"),
         edit("联系人：", "Edit_lianxiren", "联系人", false, "lianxiren"),
         edit("联系电话：", "Edit_lianxidianhua", "联系电话", false, "lianxidianhua"),
         list("装修情况：", "ComboBox_zhuangxiouqingkuang", "装修情况", decorations(), If, "zhuangxiou"),
         list("房间套型：", "ComboBox_fangjiantaoxing", "房间套型", layouts(), If, "taoxing"),
         list("出售价格(元)：", "ComboBox_chushoujiage", "出售价格", prices(), If, "jiage")},
        QStringLiteral("Label_chushoufangcount"),
        columns({{"出售价格", 80}, {"联系人", 60}, {"联系电话", 60}, {"购买人", 60}}),
        hints(nullptr),
        button("Button_start", "开始查找 &K"), button("button_view", "该房详细信息 &X"),
        button("button_delete", "删除记录 &D"), button("button_close", "关闭 &C"),
        QStringLiteral("Form_chushoufang_xiangxi"), {QStringLiteral("Label12"), QStringLiteral("Label15")}, false};
    return k;
}
}
