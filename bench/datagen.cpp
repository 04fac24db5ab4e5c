#include "bench/datagen.h"

#include <QDate>
#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <cstdio>

namespace bench {
namespace {
using Items = std::vector<const char *>;

const Items kDistricts{"城东", "城西", "城南", "城北", "城东南", "城东北", "城西南", "城西北", "城市中心", "城郊区"};
const Items kCategories{"高层楼", "一般居民楼", "写字楼", "别墅", "商住综合", "门面房", "厂房仓库", "平房"};
const Items kLayouts{"单室套", "小套", "中套", "大套", "特大套", "跃层", "错层", "复式"};
const Items kAreas{"50平方米以下", "50-70 平方米", "70-90 平方米", "90-110 平方米", "110-150 平方米", "150平方米以上"};
const Items kFloors{"1层", "2层", "3层", "4层", "5层", "6层", "7层", "8层", "8层以上"};
const Items kDecorations{"一般装修", "中等装修", "精致装修", "豪华装修"};
const Items kOwnerships{"个人产权", "单位产权", "集体产权", "房改房", "居住权"};
const Items kRents{"100以下", "100-300", "300-500", "500-700", "700-1000", "1000-3000",
                   "3000-5000", "5000-7000", "7000-9000", "9000-10000", "10000以上"};
const Items kRentUnitsListing{"元/天", "元/月", "元/半年", "元/一年"};
const Items kRentUnitsWish{"元/天", "元/月", "元/半年", "元/年"};
const Items kPrices{"10000以下", "10000-20000", "20000-40000", "40000-60000", "60000-80000", "80000-100000", "100000以上"};
const Items kSexes{"男", "女"};
const Items kMarriage{"已婚", "未婚"};
const Items kSharing{"单人", "2人", "3人", "4人", "5人", "6人", "7人", "8人", "9人", "10人", "10人以上"};

const Items kSurnames{"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡",
                      "郭", "何", "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯", "邓", "曹",
                      "彭", "曾", "肖", "田", "董", "袁", "潘", "于", "蒋", "蔡", "余", "杜", "叶", "程", "苏",
                      "魏", "吕", "丁", "任", "沈", "欧阳", "司马", "诸葛", "上官"};
const Items kGiven{"伟", "芳", "娜", "秀英", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "娟",
                   "涛", "明", "超", "秀兰", "霞", "平", "刚", "桂英", "建华", "文", "华", "玉兰", "辉", "鑫",
                   "婷", "晨", "浩然", "子涵", "欣怡", "宇轩", "雨桐", "志强", "海燕", "建国", "红梅", "春生",
                   "国庆", "晓东", "丽娟", "思远", "佳怡", "俊杰", "凤英", "德胜", "淑珍"};
const Items kPlaces{"江苏南京", "江苏苏州", "浙江杭州", "浙江温州", "安徽合肥", "安徽芜湖", "山东济南", "山东青岛",
                    "河南郑州", "河南洛阳", "湖北武汉", "湖南长沙", "江西南昌", "福建福州", "福建厦门", "广东广州",
                    "广东深圳", "四川成都", "重庆", "陕西西安", "山西太原", "河北石家庄", "辽宁沈阳", "吉林长春",
                    "黑龙江哈尔滨", "北京", "上海", "天津", "云南昆明", "贵州贵阳", "广西南宁", "甘肃兰州"};
// Area codes of the identity number, matching no place in particular.
const Items kAreaCodes{"320102", "320505", "330106", "330302", "340104", "340202", "370102", "370202", "410105",
                       "410302", "420106", "430104", "360102", "350102", "350203", "440106", "440304", "510107",
                       "500103", "610113", "140105", "130102", "210102", "220102", "230103", "110105", "310104",
                       "120101", "530102", "520102", "450103", "620102"};
const Items kJobs{"教师", "工程师", "会计", "销售经理", "医生", "护士", "公务员", "出租车司机", "厨师", "软件开发",
                  "大学生", "个体经营", "律师", "室内设计", "保安", "快递员", "外贸业务员", "银行职员", "记者",
                  "建筑工人", "自由职业", "退休", "研究生", "餐馆服务员", "房产经纪人", "工厂技术员"};
const Items kRoads{"中山路", "人民路", "解放路", "建设路", "和平路", "新华路", "长江路", "黄河路", "北京东路",
                   "上海路", "文化路", "胜利路", "光明街", "青年路", "滨江大道", "湖滨路", "学府路", "幸福街",
                   "友谊路", "南京西路", "珠江路", "鼓楼大街", "府前街", "花园路"};
const Items kPrefixes{"133", "135", "136", "137", "138", "139", "150", "151", "152", "158", "159", "186", "187",
                      "188", "189", "177", "180", "181"};
const Items kCityCodes{"025", "0512", "0571", "0551", "0531", "0371", "027", "0731", "020", "028", "029", "010", "021"};
// Remark phrases, all made of three-byte characters (CJK and full-width punctuation).
const Items kPhrases{"希望尽快入住", "要求交通方便", "附近有地铁站", "最好带家具家电", "可以长期租住",
                     "不接受中介费过高的房子", "需要有停车位", "家里有老人，楼层不宜太高", "上班在市中心",
                     "孩子在附近上学", "要求采光好", "南北通透优先", "可以先看房再定", "周末方便联系",
                     "晚上八点以后不要打电话", "已付部分定金", "房东急售", "装修保持良好", "小区环境安静",
                     "物业管理规范", "价格可以商量", "需要开具发票", "租期至少一年", "押一付三",
                     "带独立卫生间", "厨房可以做饭", "有暖气和空调", "靠近菜市场和超市", "无宠物",
                     "本人工作稳定，收入可靠", "看房请提前预约", "房产证齐全", "可办理按揭", "学区房",
                     "临街门面，适合做生意", "仓库面积较大，适合存货", "老房子，需要重新装修",
                     "楼下有公交车站", "离医院很近", "朋友介绍来的客户", "已经看过三套房子",
                     "对价格比较敏感", "希望一次性付清", "等待单位分房消息"};

const QHash<QString, const Items *> &listMap()
{
    static const QHash<QString, const Items *> m{
        {QStringLiteral("房产地域"), &kDistricts},      {QStringLiteral("期望房产地域"), &kDistricts},
        {QStringLiteral("期望房产区域"), &kDistricts},  {QStringLiteral("房产类别"), &kCategories},
        {QStringLiteral("期望房产类别"), &kCategories}, {QStringLiteral("房间套型"), &kLayouts},
        {QStringLiteral("期望房间套型"), &kLayouts},    {QStringLiteral("期望房间类型"), &kLayouts},
        {QStringLiteral("房间面积"), &kAreas},          {QStringLiteral("期望房屋面积"), &kAreas},
        {QStringLiteral("房间楼层"), &kFloors},         {QStringLiteral("期望房间楼层"), &kFloors},
        {QStringLiteral("装修情况"), &kDecorations},    {QStringLiteral("期望装修情况"), &kDecorations},
        {QStringLiteral("房产权属"), &kOwnerships},     {QStringLiteral("期望房产权属"), &kOwnerships},
        {QStringLiteral("租金"), &kRents},              {QStringLiteral("期望租金"), &kRents},
        {QStringLiteral("租金单位"), &kRentUnitsListing}, {QStringLiteral("期望租金单位"), &kRentUnitsWish},
        {QStringLiteral("出售价格"), &kPrices},         {QStringLiteral("期望出售价格"), &kPrices},
        {QStringLiteral("性别"), &kSexes},              {QStringLiteral("婚姻状况"), &kMarriage},
        {QStringLiteral("合租情况"), &kSharing},
    };
    return m;
}

Cell textCell(std::string s)
{
    Cell c;
    c.kind = Cell::Text;
    c.text = std::move(s);
    return c;
}

Cell intCell(int64_t v)
{
    Cell c;
    c.kind = Cell::Int;
    c.number = v;
    return c;
}

const QDate kFirstDay(2003, 1, 1);
}  // namespace

const std::vector<const char *> &listItems(const QString &column)
{
    static const Items none;
    const auto it = listMap().constFind(column);
    return it == listMap().constEnd() ? none : **it;
}

size_t utf8Length(const std::string &s)
{
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

QVariant Cell::toVariant(ColumnKind column) const
{
    switch (kind) {
    case Null:
        return QVariant();
    case Int:
        return QVariant(qlonglong(number));
    case Text:
        break;
    }
    const QString t = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (column == ColumnKind::Date)
        return QVariant(QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return QVariant(t);
}

std::string RowMaker::pick(const Items &items) { return items[size_t(uniform(0, int(items.size()) - 1))]; }

std::string RowMaker::name()
{
    std::string s = pick(kSurnames);
    s += pick(kGiven);
    if (chance(0.3))
        s += pick(kGiven);
    return s;
}

std::string RowMaker::nativePlace() { return pick(kPlaces); }

std::string RowMaker::identityNumber(int age)
{
    const QDate birth = QDate(2024, 1, 1).addYears(-age).addDays(-uniform(0, 364));
    std::string s = pick(kAreaCodes);
    s += birth.toString(QStringLiteral("yyyyMMdd")).toStdString();
    char seq[4];
    std::snprintf(seq, sizeof seq, "%03d", uniform(0, 999));
    s += seq;
    // ISO 7064 MOD 11-2 check digit over the first 17 digits.
    static const int weights[17] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    int sum = 0;
    for (int i = 0; i < 17; ++i)
        sum += (s[size_t(i)] - '0') * weights[i];
    s += "10X98765432"[sum % 11];
    return s;
}

std::string RowMaker::telephone()
{
    char buf[24];
    if (chance(0.75)) {
        std::snprintf(buf, sizeof buf, "%s%08d", pick(kPrefixes).c_str(), uniform(0, 99999999));
    } else {
        std::snprintf(buf, sizeof buf, "%s-%08d", pick(kCityCodes).c_str(), uniform(20000000, 89999999));
    }
    return buf;
}

std::string RowMaker::road()
{
    std::string s = pick(kRoads);
    s += std::to_string(uniform(1, 999));
    s += "号";
    return s;
}

std::string RowMaker::remark(int minChars, int maxChars)
{
    const size_t want = size_t(uniform(minChars, maxChars));
    std::string s;
    while (utf8Length(s) < want) {
        s += pick(kPhrases);
        s += chance(0.5) ? "，" : "。";
    }
    // Every character here is three bytes long.
    s.resize(want * 3);
    return s;
}

Cell RowMaker::value(const ColumnDef &column, int64_t rowsInTable)
{
    const QString name = QString::fromUtf8(column.name);
    switch (column.kind) {
    case ColumnKind::Key:
    case ColumnKind::TextKey:
        return Cell();
    case ColumnKind::Label: {
        const Items &items = listItems(name);
        if (items.empty())
            return textCell(std::string());
        // The rent unit of a listing is always written, as an empty text when
        // nothing was chosen; the other lists leave the column null.
        if (chance(0.12))
            return name == QStringLiteral("租金单位") ? textCell(std::string()) : Cell();
        return textCell(pick(items));
    }
    case ColumnKind::Text:
        if (name == QStringLiteral("姓名") || name == QStringLiteral("联系人"))
            return textCell(this->name());
        if (name == QStringLiteral("籍贯"))
            return textCell(nativePlace());
        if (name.startsWith(QStringLiteral("身份证")))
            return textCell(identityNumber(m_lastAge));
        if (name == QStringLiteral("联系电话"))
            return textCell(telephone());
        if (name == QStringLiteral("工作"))
            return textCell(pick(kJobs));
        return textCell(road());  // 所处路段, 期望所处路段
    case ColumnKind::NumberText:
        if (name == QStringLiteral("年龄")) {
            m_lastAge = uniform(18, 75);
            return textCell(std::to_string(m_lastAge));
        }
        return textCell(std::to_string(uniform(0, 40) * 50));  // agency fee in yuan
    case ColumnKind::LongText:
        return textCell(remark(20, 200));
    case ColumnKind::Date: {
        m_lastDay = uniform(0, 7300);
        const QDateTime dt(kFirstDay.addDays(m_lastDay), QTime(uniform(8, 19), uniform(0, 59), uniform(0, 59)));
        return textCell(dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString());
    }
    case ColumnKind::DateInteger:
        return intCell(registrationDateInteger(kFirstDay.addDays(m_lastDay)));
    case ColumnKind::CrossReference:
        return intCell(chance(0.7) ? 0 : uniform(1, int(std::max<int64_t>(rowsInTable, 1))));
    }
    return Cell();
}

std::vector<Cell> RowMaker::row(const TableDef &table, int64_t rowsInTable)
{
    std::vector<Cell> out;
    out.reserve(table.columns.size());
    for (const ColumnDef &c : table.columns)
        if (c.kind != ColumnKind::Key)
            out.push_back(value(c, rowsInTable));
    return out;
}

}  // namespace bench
