// Reasoning questions: a short argument, a question about it and five answer choices.
#include "textbank.h"

namespace sample {

namespace {

QList<ChoiceItem> englishItems()
{
    return {
        {"In the five years since {city} introduced a fee for plastic shopping bags, the amount of "
         "plastic litter collected on its beaches has fallen by sixty percent. The city council "
         "concludes that the fee is responsible for the decline.\n"
         "Which of the following, if true, most seriously weakens the council's conclusion?",
         "During the same five years, the city also tripled the number of public waste bins along "
         "its beaches and began emptying them daily, so litter that would once have been dropped on "
         "the sand is now thrown away.",
         {"Most shoppers in the city now bring reusable bags when they go to the supermarket.",
          "Plastic bags make up a larger share of beach litter in the city than in most other "
          "coastal cities.",
          "The fee charged for each plastic bag is lower than in neighbouring towns.",
          "Some residents opposed the fee when it was first proposed."},
         "削弱题，寻找其他可能的原因"},
        {"A company that makes office chairs found that employees who used its new adjustable "
         "model reported fewer back problems than those who used standard chairs. The company plans "
         "to advertise that its new chair prevents back problems.\n"
         "The company's plan assumes which of the following?",
         "The employees who chose the adjustable chair did not already have fewer back problems "
         "before they began using it.",
         {"Back problems are the most common health complaint among office workers.",
          "The adjustable chair costs about the same to manufacture as the standard model.",
          "Most employees prefer an adjustable chair to a standard chair.",
          "Other companies do not make adjustable office chairs."},
         "假设题，排除因果倒置"},
        {"Sales of electric bicycles in {country} rose sharply last year, while sales of small "
         "motorcycles fell by about the same number of units. Some analysts conclude that many "
         "buyers who would otherwise have bought motorcycles bought electric bicycles instead.\n"
         "Which of the following, if true, most strongly supports the analysts' conclusion?",
         "Surveys of electric-bicycle buyers last year found that most had seriously considered "
         "buying a small motorcycle before making their purchase.",
         {"Electric bicycles are cheaper to maintain than small motorcycles.",
          "Sales of cars in the country also rose slightly last year.",
          "The price of small motorcycles has been stable for three years.",
          "Electric bicycles are more popular among students than among office workers."},
         "加强题"},
        {"A regional airline reduced its ticket prices by 15 percent on its busiest route. Over the "
         "next quarter, the number of passengers on that route rose by 25 percent, and the airline's "
         "revenue from the route increased. The airline's managers now plan to cut prices by the "
         "same amount on all of its other routes.\n"
         "Which of the following would be most useful to know in evaluating the managers' plan?",
         "Whether passengers on the airline's other routes are as sensitive to price changes as "
         "passengers on its busiest route",
         {"Whether the airline's busiest route is also its longest route",
          "Whether the airline's competitors have recently raised their prices on other routes",
          "How many passengers flew on the busiest route in the previous year",
          "Whether the airline plans to buy new aircraft next year"},
         "评价题"},
        {"Although the town of {town} built a large new parking garage downtown last year, "
         "complaints from shoppers about the difficulty of finding parking downtown have "
         "increased.\n"
         "Which of the following, if true, most helps to explain the increase in complaints?",
         "Since the garage opened, the town has removed most of the street parking downtown to make "
         "room for wider sidewalks and bus lanes.",
         {"The new garage charges lower hourly rates than the town's older garages.",
          "Most shoppers downtown arrive by car rather than by bus.",
          "The garage was completed several months ahead of schedule.",
          "Stores downtown are open longer hours than stores in the suburbs."},
         "解释题"},
        {"Medical researchers observed that people who drink green tea every day have lower rates "
         "of heart disease than people who rarely drink tea. They concluded that a compound found in "
         "green tea protects against heart disease.\n"
         "Which of the following, if true, most seriously weakens the researchers' conclusion?",
         "People who drink green tea every day are also much more likely than others to exercise "
         "regularly, to eat plenty of vegetables, and to avoid smoking, habits known to lower the "
         "risk of heart disease.",
         {"Green tea contains less caffeine than coffee does.",
          "Some people who drink green tea every day nevertheless develop heart disease.",
          "The compound in question is also found in small amounts in several fruits.",
          "Black tea is more popular than green tea in many countries."},
         "削弱题，注意他因"},
        {"Every employee of {firm} who works at the northern warehouse has completed the forklift "
         "safety course. Some employees who have completed the course also work part-time at the "
         "southern warehouse. No employee who works at the southern warehouse is a night-shift "
         "supervisor.\n"
         "If the statements above are true, which of the following must also be true?",
         "Some employees who have completed the forklift safety course are not night-shift "
         "supervisors.",
         {"No employee of the northern warehouse is a night-shift supervisor.",
          "Every employee who has completed the course works at the northern warehouse.",
          "Some night-shift supervisors work at the northern warehouse.",
          "All part-time employees have completed the forklift safety course."},
         "推理题"},
        {"Farmers in the valley have begun planting a new variety of rice that produces 20 percent "
         "more grain per hectare than the traditional variety. Nevertheless, the total rice harvest "
         "in the valley this year is expected to be no larger than last year's.\n"
         "Which of the following, if true, most helps to resolve the apparent discrepancy?",
         "Because the new variety needs more water, farmers have planted it on only about half of "
         "the land they previously used for rice, leaving the rest for crops that need less water.",
         {"The new variety was developed at an agricultural institute in another province.",
          "Rice prices are expected to rise slightly this year.",
          "The traditional variety is preferred by many local restaurants.",
          "Farmers in neighbouring valleys have not yet tried the new variety."},
         ""},
        {"To reduce traffic congestion, the city of {city} plans to raise the price of parking "
         "permits in the city centre by 40 percent.\n"
         "Which of the following, if true, most strongly suggests that the plan will succeed?",
         "A survey found that most commuters who drive into the city centre would switch to the new "
         "express bus line if their parking costs rose substantially.",
         {"The price of parking permits has not changed in more than ten years.",
          "Many shops in the city centre oppose the increase.",
          "Some commuters already share rides to work.",
          "Parking permits in the suburbs are cheaper than those in the city centre."},
         "计划题"},
        {"Critic: The new history museum claims to tell the story of the whole region, yet three of "
         "its five galleries are devoted to the capital city. Clearly the museum's designers care "
         "little about the region's rural communities.\n"
         "The critic's argument is most vulnerable to which of the following criticisms?",
         "It draws a conclusion about the designers' attitudes from evidence that could be "
         "explained by other factors, such as the number of surviving objects from each part of the "
         "region.",
         {"It assumes that the capital city is part of the region.",
          "It fails to say how many visitors the museum receives each year.",
          "It relies on the opinion of a single critic.",
          "It treats the museum's galleries as if they were all the same size."},
         "逻辑漏洞"},
        {"Many small bookshops have closed in recent years as more readers buy books online. Yet "
         "the number of independent bookshops in {town} has grown. This is probably because "
         "＿＿＿＿＿＿＿＿.\n"
         "Which of the following most logically completes the passage?",
         "the bookshops in the town host readings, classes, and children's events that draw "
         "customers who then buy books in the shop",
         {"readers in the town buy more books online than readers elsewhere",
          "the largest online bookseller has a warehouse near the town",
          "many of the town's residents prefer electronic books",
          "rents in the town have risen faster than in nearby cities"},
         "完成段落"},
        {"Manager: Our customer-service team answers 90 percent of calls within two minutes, so our "
         "customers must be highly satisfied with our service.\n"
         "Which of the following is an assumption on which the manager's argument depends?",
         "How quickly a call is answered is an important factor in whether customers are satisfied "
         "with the service they receive.",
         {"Most customers call the service team at least once a year.",
          "The team answers calls faster than the teams of most competitors.",
          "Customers who wait longer than two minutes usually hang up.",
          "The team could answer calls even faster if it hired more staff."},
         ""},
        {"Economist: Some argue that **raising the minimum wage will lead employers to hire fewer "
         "workers**. However, when the province raised its minimum wage three years ago, employment "
         "in restaurants and shops actually grew. Therefore, **a moderate increase in the minimum "
         "wage need not reduce employment**.\n"
         "In the economist's argument, the two portions in boldface play which of the following "
         "roles?",
         "The first is a position the economist argues against; the second is the economist's "
         "conclusion.",
         {"The first is the economist's conclusion; the second is evidence offered for that "
          "conclusion.",
          "The first is evidence the economist accepts; the second is a consideration that weighs "
          "against it.",
          "Both are positions that the economist argues against.",
          "The first is a prediction the economist supports; the second qualifies that "
          "prediction."},
         "黑体字题"},
        {"Over the past decade, the proportion of adults in {country} who read a printed newspaper "
         "every day has fallen from 45 percent to 18 percent. Yet total newspaper advertising "
         "revenue in the country has declined by only 10 percent over the same period.\n"
         "Which of the following, if true, most helps to explain the facts above?",
         "Many newspapers now sell advertising on their websites and mobile applications, and "
         "revenue from such advertising is counted in the industry's total.",
         {"Television advertising revenue has also declined over the decade.",
          "Most adults who still read a printed newspaper are over fifty years old.",
          "The number of newspapers published in the country has fallen.",
          "Advertising rates in printed newspapers have fallen."},
         ""},
    };
}

QList<ChoiceItem> chineseItems()
{
    return {
        {"{zcity}去年在所有中学推行了午间阅读时间。一年后，该市中学生的语文平均成绩比前一年提高了"
         "8分。市教育局据此认为，午间阅读时间显著提高了学生的语文成绩。\n"
         "以下哪项如果为真，最能削弱市教育局的结论？",
         "去年该市同时更换了语文考试的命题方式，新试题的整体难度明显低于往年。",
         {"该市部分学生在午间阅读时间里并没有认真阅读。", "午间阅读时间在其他城市也得到了推广。",
          "该市中学生的数学平均成绩去年也有所提高。", "许多家长支持学校推行午间阅读时间。"},
         ""},
        {"调查显示，经常在深夜使用手机的人，睡眠质量普遍较差。因此，有专家建议，想要改善睡眠质量的"
         "人应当在睡前一小时停止使用手机。\n"
         "以下哪项是专家的建议所依赖的假设？",
         "深夜使用手机是导致睡眠质量变差的原因，而不是睡眠质量差导致人们在深夜使用手机。",
         {"大多数人每天使用手机超过四小时。", "睡眠质量差会影响第二天的工作效率。",
          "有些人睡前阅读纸质书籍。", "手机屏幕的亮度可以调节。"},
         ""},
        {"{zfirm}今年的销售额比去年增长了30%，但利润却比去年有所下降。\n"
         "以下哪项如果为真，最能解释上述现象？",
         "为了扩大销售，该公司今年大幅降低了主要产品的价格，同时大量增加了广告投入。",
         {"该公司的竞争对手今年的销售额也有所增长。", "该公司今年招聘了一批新员工。",
          "该公司去年的利润创下了历史最高纪录。", "该公司的产品在年轻消费者中很受欢迎。"},
         ""},
        {"所有参加了暑期编程训练营的学生都通过了期末考试。小李没有通过期末考试。\n"
         "如果以上陈述为真，以下哪项一定为真？",
         "小李没有参加暑期编程训练营。",
         {"小李参加了暑期编程训练营。", "所有通过期末考试的学生都参加了训练营。",
          "有些没有参加训练营的学生也通过了期末考试。", "小李没有参加任何课外培训。"},
         ""},
        {"{zcity}计划在市中心修建一座大型购物中心。支持者认为，这将为城市带来大量就业机会。\n"
         "以下哪项如果为真，最能支持支持者的观点？",
         "根据规划，该购物中心建成后将容纳三百余家商户，预计需要雇用员工四千人以上，其中大部分岗位"
         "面向本地居民招聘，并优先录用有零售经验的求职者。",
         {"市中心目前已有两座中型购物中心。", "该购物中心的建设需要三年时间。",
          "部分市民担心购物中心会加剧交通拥堵。", "网络购物在该市越来越普遍。"},
         ""},
        {"某研究发现，家中养狗的老年人比不养宠物的老年人每天步行的时间更长。研究者由此推断，养狗"
         "有助于老年人保持健康。\n"
         "以下哪项如果为真，最能加强研究者的推断？",
         "在研究开始时，养狗和不养宠物的两组老年人的健康状况与运动习惯没有明显差别。",
         {"养狗的老年人大多住在有院子的房子里。", "养猫的老年人步行时间与不养宠物的老年人相近。",
          "狗需要主人每天带它外出散步。", "很多老年人因为过敏而不能养狗。"},
         ""},
        {"Sales director (销售总监): Our online store had 40 percent more visitors this quarter, so "
         "revenue from the store will certainly rise next quarter.\n"
         "以下哪项如果为真，最能削弱销售总监的论证？",
         "本季度新增的访客大多来自一次抽奖活动，他们浏览页面后几乎没有购买任何商品。",
         {"网店本季度更新了页面设计。", "竞争对手的网店访客数量也有所增加。",
          "下季度是传统的销售旺季。", "网店的商品价格与实体店相同。"},
         ""},
        {"甲、乙、丙三人中只有一人会说日语。甲说：“我会说日语。”乙说：“甲不会说日语。”丙说：“我"
         "不会说日语。”已知三人中只有一人说了真话。\n"
         "根据以上信息，可以推出以下哪项？",
         "丙会说日语。",
         {"甲会说日语。", "乙会说日语。", "甲说了真话。", "丙说了真话。"},
         ""},
    };
}

} // namespace

const QList<ChoiceItem> &reasoningItems()
{
    static const QList<ChoiceItem> items = englishItems() + chineseItems();
    return items;
}

} // namespace sample
