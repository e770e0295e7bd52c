<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>Kinematics</name>
    <message>
        <source>шатун AB и коромысло BC не достают друг до друга при φ = %1°</source>
        <translation>шатун AB і коромисло BC не дістають одне до одного при φ = %1°</translation>
    </message>
    <message>
        <source>шатун AB и коромысло BC ложатся на одну прямую при φ = %1°</source>
        <translation>шатун AB і коромисло BC лягають на одну пряму при φ = %1°</translation>
    </message>
    <message>
        <source>звено DE не достаёт до направляющей ползуна при φ = %1°</source>
        <translation>ланка DE не дістає до напрямної повзуна при φ = %1°</translation>
    </message>
    <message>
        <source>длина %1 не может быть равна %2 м</source>
        <translation>довжина %1 не може дорівнювати %2 м</translation>
    </message>
    <message>
        <source>Механизм не собирается: Lab + Lbc &lt; Loa + Loc</source>
        <translation>Механізм не складається: Lab + Lbc &lt; Loa + Loc</translation>
    </message>
    <message>
        <source>Динамика машины не рассчитана: %1</source>
        <translation>Динаміку машини не розраховано: %1</translation>
    </message>
    <message>
        <source>Характеристики механизма не рассчитаны: %1. Динамика машины не рассчитывается.</source>
        <translation>Характеристики механізму не розраховано: %1. Динаміка машини не розраховується.</translation>
    </message>
    <message>
        <source>Кривошип не проворачивается на полный оборот: при φ = %1° звенья механизма не собираются. Динамика машины не рассчитывается.</source>
        <translation>Кривошип не провертається на повний оберт: при φ = %1° ланки механізму не складаються. Динаміка машини не розраховується.</translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ должен быть больше 0 и меньше %1. Динамика машины не рассчитывается.</source>
        <translation>Коефіцієнт нерівномірності δ має бути більшим за 0 і меншим за %1. Динаміка машини не розраховується.</translation>
    </message>
    <message>
        <source>Средняя угловая скорость кривошипа ω1 должна быть больше 0. Динамика машины не рассчитывается.</source>
        <translation>Середня кутова швидкість кривошипа ω1 має бути більшою за 0. Динаміка машини не розраховується.</translation>
    </message>
    <message>
        <source>Массы и сила сопротивления не могут быть отрицательными. Динамика машины не рассчитывается.</source>
        <translation>Маси і сила опору не можуть бути від&apos;ємними. Динаміка машини не розраховується.</translation>
    </message>
    <message>
        <source>кривошип OA</source>
        <translation>кривошип OA</translation>
    </message>
    <message>
        <source>шатун AB</source>
        <translation>шатун AB</translation>
    </message>
    <message>
        <source>коромысло BC</source>
        <translation>коромисло BC</translation>
    </message>
    <message>
        <source>стойка OC</source>
        <translation>стояк OC</translation>
    </message>
    <message>
        <source>%1 м</source>
        <translation>%1 м</translation>
    </message>
    <message>
        <source> и </source>
        <translation> і </translation>
    </message>
    <message>
        <source>Самое короткое звено — %1 (%2), оно прилегает к стойке: кривошип OA проворачивается полностью, коромысло BC качается — кривошипно-коромысловый механизм.</source>
        <translation>Найкоротша ланка — %1 (%2), вона прилягає до стояка: кривошип OA провертається повністю, коромисло BC хитається — кривошипно-коромисловий механізм.</translation>
    </message>
    <message>
        <source>Самое короткое звено — %1 (%2): полностью проворачивается BC, а OA только качается — кривошипно-коромысловый механизм с ведущим коромыслом, звено OA не может быть кривошипом.</source>
        <translation>Найкоротша ланка — %1 (%2): повністю провертається BC, а OA лише хитається — кривошипно-коромисловий механізм із ведучим коромислом, ланка OA не може бути кривошипом.</translation>
    </message>
    <message>
        <source>Самое короткое звено — %1 (%2): оба звена, прилегающие к стойке, OA и BC, проворачиваются полностью — двухкривошипный механизм.</source>
        <translation>Найкоротша ланка — %1 (%2): обидві ланки, що прилягають до стояка, OA і BC, провертаються повністю — двокривошипний механізм.</translation>
    </message>
    <message>
        <source>Самое короткое звено — %1 (%2): полностью проворачивается только шатун, OA и BC качаются — двухкоромысловый механизм.</source>
        <translation>Найкоротша ланка — %1 (%2): повністю провертається лише шатун, OA і BC хитаються — двокоромисловий механізм.</translation>
    </message>
    <message>
        <source>Условие не выполняется: ни одно звено не проворачивается полностью, OA и BC качаются — двухкоромысловый механизм.</source>
        <translation>Умова не виконується: жодна ланка не провертається повністю, OA і BC хитаються — двокоромисловий механізм.</translation>
    </message>
    <message>
        <source>s + l = p + q — особый случай: в одном из положений все четыре шарнира O, A, B, C ложатся на одну прямую, и движение дальше не определено. Полностью может проворачиваться %1 (%2).</source>
        <translation>s + l = p + q — особливий випадок: в одному з положень усі чотири шарніри O, A, B, C лягають на одну пряму, і подальший рух не визначений. Повністю може провертатися %1 (%2).</translation>
    </message>
    <message>
        <source>Длины звеньев должны быть положительными числами.</source>
        <translation>Довжини ланок мають бути додатними числами.</translation>
    </message>
    <message>
        <source>при φ = %1° шарниры O, A, B, C лежат на одной прямой (особое положение), и положения звеньев за ним не определены</source>
        <translation>при φ = %1° шарніри O, A, B, C лежать на одній прямій (особливе положення), і положення ланок за ним не визначені</translation>
    </message>
    <message>
        <source>lOA + lOC &gt; lAB + lBC, четырёхзвенник не собирается ни при каком угле φ</source>
        <translation>lOA + lOC &gt; lAB + lBC, чотириланковик не складається за жодного кута φ</translation>
    </message>
    <message>
        <source>длины звеньев должны быть положительными</source>
        <translation>довжини ланок мають бути додатними</translation>
    </message>
    <message>
        <source>звено DE не достаёт до направляющей ползуна вблизи φ = %1°</source>
        <translation>ланка DE не дістає до напрямної повзуна поблизу φ = %1°</translation>
    </message>
    <message>
        <source>Четырёхзвенник OABC: %1.</source>
        <translation>Чотириланковик OABC: %1.</translation>
    </message>
    <message>
        <source>Условие Грасгофа s + l ≤ p + q: s = %1 — самое короткое звено, l = %2 — самое длинное; %3 — выполняется.</source>
        <translation>Умова Грасгофа s + l ≤ p + q: s = %1 — найкоротша ланка, l = %2 — найдовша; %3 — виконується.</translation>
    </message>
    <message>
        <source>Условие Грасгофа s + l ≤ p + q: s = %1 — самое короткое звено, l = %2 — самое длинное; %3 — не выполняется.</source>
        <translation>Умова Грасгофа s + l ≤ p + q: s = %1 — найкоротша ланка, l = %2 — найдовша; %3 — не виконується.</translation>
    </message>
    <message>
        <source>Механизм проворачивается полностью: при любом угле φ четырёхзвенник собирается и звено DE достаёт до направляющей ползуна.</source>
        <translation>Механізм провертається повністю: за будь-якого кута φ чотириланковик складається і ланка DE дістає до напрямної повзуна.</translation>
    </message>
    <message>
        <source>Механизм не проворачивается полностью: %1.</source>
        <translation>Механізм не провертається повністю: %1.</translation>
    </message>
    <message>
        <source>Слишком большое количество положений механизма (не более 100000)</source>
        <translation>Занадто велика кількість положень механізму (не більше 100000)</translation>
    </message>
    <message>
        <source>Параметр не может быть отрицательным!</source>
        <translation>Параметр не може бути від&apos;ємним!</translation>
    </message>
    <message>
        <source>Ноль недопустим!</source>
        <translation>Нуль неприпустимий!</translation>
    </message>
    <message>
        <source>Вибране значення поза діапазоном</source>
        <translation>Вибране значення поза діапазоном</translation>
    </message>
    <message>
        <source>Ошибка ввода данных!</source>
        <translation>Помилка введення даних!</translation>
    </message>
    <message>
        <source> (при ω1 = 1 рад/с)</source>
        <translation> (при ω1 = 1 рад/с)</translation>
    </message>
    <message>
        <source>номер положения кривошипа</source>
        <translation>номер положення кривошипа</translation>
    </message>
    <message>
        <source>угол поворота кривошипа</source>
        <translation>кут повороту кривошипа</translation>
    </message>
    <message>
        <source>координата x точки A (конец кривошипа OA)</source>
        <translation>координата x точки A (кінець кривошипа OA)</translation>
    </message>
    <message>
        <source>координата y точки A (конец кривошипа OA)</source>
        <translation>координата y точки A (кінець кривошипа OA)</translation>
    </message>
    <message>
        <source>проекция скорости точки A на ось x</source>
        <translation>проєкція швидкості точки A на вісь x</translation>
    </message>
    <message>
        <source>проекция скорости точки A на ось y</source>
        <translation>проєкція швидкості точки A на вісь y</translation>
    </message>
    <message>
        <source>координата x точки B (шарнир шатуна AB и коромысла BC)</source>
        <translation>координата x точки B (шарнір шатуна AB і коромисла BC)</translation>
    </message>
    <message>
        <source>координата y точки B (шарнир шатуна AB и коромысла BC)</source>
        <translation>координата y точки B (шарнір шатуна AB і коромисла BC)</translation>
    </message>
    <message>
        <source>проекция скорости точки B на ось x</source>
        <translation>проєкція швидкості точки B на вісь x</translation>
    </message>
    <message>
        <source>проекция скорости точки B на ось y</source>
        <translation>проєкція швидкості точки B на вісь y</translation>
    </message>
    <message>
        <source>координата x точки D (середина шатуна AB)</source>
        <translation>координата x точки D (середина шатуна AB)</translation>
    </message>
    <message>
        <source>координата y точки D (середина шатуна AB)</source>
        <translation>координата y точки D (середина шатуна AB)</translation>
    </message>
    <message>
        <source>проекция скорости точки D на ось x</source>
        <translation>проєкція швидкості точки D на вісь x</translation>
    </message>
    <message>
        <source>проекция скорости точки D на ось y</source>
        <translation>проєкція швидкості точки D на вісь y</translation>
    </message>
    <message>
        <source>координата y ползуна E на вертикальной направляющей</source>
        <translation>координата y повзуна E на вертикальній напрямній</translation>
    </message>
    <message>
        <source>скорость ползуна E вдоль направляющей (вверх — плюс)</source>
        <translation>швидкість повзуна E вздовж напрямної (вгору — плюс)</translation>
    </message>
    <message>
        <source>проекция ускорения точки A на ось x</source>
        <translation>проєкція прискорення точки A на вісь x</translation>
    </message>
    <message>
        <source>проекция ускорения точки A на ось y</source>
        <translation>проєкція прискорення точки A на вісь y</translation>
    </message>
    <message>
        <source>проекция ускорения точки B на ось x</source>
        <translation>проєкція прискорення точки B на вісь x</translation>
    </message>
    <message>
        <source>проекция ускорения точки B на ось y</source>
        <translation>проєкція прискорення точки B на вісь y</translation>
    </message>
    <message>
        <source>проекция ускорения точки D на ось x</source>
        <translation>проєкція прискорення точки D на вісь x</translation>
    </message>
    <message>
        <source>проекция ускорения точки D на ось y</source>
        <translation>проєкція прискорення точки D на вісь y</translation>
    </message>
    <message>
        <source>ускорение ползуна E вдоль направляющей (вверх — плюс)</source>
        <translation>прискорення повзуна E вздовж напрямної (вгору — плюс)</translation>
    </message>
    <message>
        <source>угловая скорость шатуна AB</source>
        <translation>кутова швидкість шатуна AB</translation>
    </message>
    <message>
        <source>угловая скорость коромысла BC</source>
        <translation>кутова швидкість коромисла BC</translation>
    </message>
    <message>
        <source>угловая скорость звена DE</source>
        <translation>кутова швидкість ланки DE</translation>
    </message>
    <message>
        <source>угловое ускорение шатуна AB</source>
        <translation>кутове прискорення шатуна AB</translation>
    </message>
    <message>
        <source>угловое ускорение коромысла BC</source>
        <translation>кутове прискорення коромисла BC</translation>
    </message>
    <message>
        <source>угловое ускорение звена DE</source>
        <translation>кутове прискорення ланки DE</translation>
    </message>
    <message>
        <source>полное ускорение точки A</source>
        <translation>повне прискорення точки A</translation>
    </message>
    <message>
        <source>полное ускорение точки B</source>
        <translation>повне прискорення точки B</translation>
    </message>
    <message>
        <source>полное ускорение точки D</source>
        <translation>повне прискорення точки D</translation>
    </message>
    <message>
        <source>полное ускорение ползуна E</source>
        <translation>повне прискорення повзуна E</translation>
    </message>
    <message>
        <source>Mб (группы Ассура)</source>
        <translation>Mзр (групи Ассура)</translation>
    </message>
    <message>
        <source>уравновешивающий момент на кривошипе по группам Ассура</source>
        <translation>зрівноважувальний момент на кривошипі за групами Ассура</translation>
    </message>
    <message>
        <source>Mб (рычаг Жуковского)</source>
        <translation>Mзр (важіль Жуковського)</translation>
    </message>
    <message>
        <source>уравновешивающий момент на кривошипе по рычагу Жуковского</source>
        <translation>зрівноважувальний момент на кривошипі за важелем Жуковського</translation>
    </message>
    <message>
        <source>|R| в O</source>
        <translation>|R| в O</translation>
    </message>
    <message>
        <source>реакция стойки на кривошип в шарнире O</source>
        <translation>реакція стояка на кривошип у шарнірі O</translation>
    </message>
    <message>
        <source>|R| в A</source>
        <translation>|R| в A</translation>
    </message>
    <message>
        <source>реакция кривошипа на шатун в шарнире A</source>
        <translation>реакція кривошипа на шатун у шарнірі A</translation>
    </message>
    <message>
        <source>|R| в B</source>
        <translation>|R| в B</translation>
    </message>
    <message>
        <source>реакция шатуна на коромысло в шарнире B</source>
        <translation>реакція шатуна на коромисло у шарнірі B</translation>
    </message>
    <message>
        <source>|R| в C</source>
        <translation>|R| в C</translation>
    </message>
    <message>
        <source>реакция стойки на коромысло в шарнире C</source>
        <translation>реакція стояка на коромисло у шарнірі C</translation>
    </message>
    <message>
        <source>|R| в D</source>
        <translation>|R| в D</translation>
    </message>
    <message>
        <source>реакция шатуна на звено DE в шарнире D</source>
        <translation>реакція шатуна на ланку DE у шарнірі D</translation>
    </message>
    <message>
        <source>|R| в E</source>
        <translation>|R| в E</translation>
    </message>
    <message>
        <source>реакция звена DE на ползун в шарнире E</source>
        <translation>реакція ланки DE на повзун у шарнірі E</translation>
    </message>
    <message>
        <source>|N| направляющей</source>
        <translation>|N| напрямної</translation>
    </message>
    <message>
        <source>сила, с которой направляющая давит на ползун</source>
        <translation>сила, з якою напрямна тисне на повзун</translation>
    </message>
    <message>
        <source>Rij — сила, с которой звено i действует на звено j (0 — стойка, 1 — OA, 2 — AB, 3 — BC, 4 — DE, 5 — ползун), x и y — её проекции на оси</source>
        <translation>Rij — сила, з якою ланка i діє на ланку j (0 — стояк, 1 — OA, 2 — AB, 3 — BC, 4 — DE, 5 — повзун), x і y — її проєкції на осі</translation>
    </message>
    <message>
        <source>проекция на x реакции стойки на кривошип в шарнире O</source>
        <translation>проєкція на x реакції стояка на кривошип у шарнірі O</translation>
    </message>
    <message>
        <source>проекция на y реакции стойки на кривошип в шарнире O</source>
        <translation>проєкція на y реакції стояка на кривошип у шарнірі O</translation>
    </message>
    <message>
        <source>проекция на x реакции кривошипа на шатун в шарнире A</source>
        <translation>проєкція на x реакції кривошипа на шатун у шарнірі A</translation>
    </message>
    <message>
        <source>проекция на y реакции кривошипа на шатун в шарнире A</source>
        <translation>проєкція на y реакції кривошипа на шатун у шарнірі A</translation>
    </message>
    <message>
        <source>проекция на x реакции шатуна на коромысло в шарнире B</source>
        <translation>проєкція на x реакції шатуна на коромисло у шарнірі B</translation>
    </message>
    <message>
        <source>проекция на y реакции шатуна на коромысло в шарнире B</source>
        <translation>проєкція на y реакції шатуна на коромисло у шарнірі B</translation>
    </message>
    <message>
        <source>проекция на x реакции стойки на коромысло в шарнире C</source>
        <translation>проєкція на x реакції стояка на коромисло у шарнірі C</translation>
    </message>
    <message>
        <source>проекция на y реакции стойки на коромысло в шарнире C</source>
        <translation>проєкція на y реакції стояка на коромисло у шарнірі C</translation>
    </message>
    <message>
        <source>проекция на x реакции шатуна на звено DE в шарнире D</source>
        <translation>проєкція на x реакції шатуна на ланку DE у шарнірі D</translation>
    </message>
    <message>
        <source>проекция на y реакции шатуна на звено DE в шарнире D</source>
        <translation>проєкція на y реакції шатуна на ланку DE у шарнірі D</translation>
    </message>
    <message>
        <source>проекция на x реакции звена DE на ползун в шарнире E</source>
        <translation>проєкція на x реакції ланки DE на повзун у шарнірі E</translation>
    </message>
    <message>
        <source>проекция на y реакции звена DE на ползун в шарнире E</source>
        <translation>проєкція на y реакції ланки DE на повзун у шарнірі E</translation>
    </message>
    <message>
        <source>проекция на x силы направляющей на ползун</source>
        <translation>проєкція на x сили напрямної на повзун</translation>
    </message>
    <message>
        <source>Jпр</source>
        <translation>Jзв</translation>
    </message>
    <message>
        <source>приведённый к кривошипу момент инерции механизма</source>
        <translation>зведений до кривошипа момент інерції механізму</translation>
    </message>
    <message>
        <source>Mпр</source>
        <translation>Mзв</translation>
    </message>
    <message>
        <source>приведённый к кривошипу момент сил тяжести и сопротивления</source>
        <translation>зведений до кривошипа момент сил тяжіння та опору</translation>
    </message>
    <message>
        <source>изменение кинетической энергии машины от φ = 0</source>
        <translation>зміна кінетичної енергії машини від φ = 0</translation>
    </message>
    <message>
        <source>угловая скорость кривошипа с маховиком (установившееся движение)</source>
        <translation>кутова швидкість кривошипа з маховиком (усталений рух)</translation>
    </message>
    <message>
        <source>угловое ускорение кривошипа с маховиком</source>
        <translation>кутове прискорення кривошипа з маховиком</translation>
    </message>
    <message>
        <source>скорость точки A</source>
        <translation>швидкість точки A</translation>
    </message>
    <message>
        <source>скорость точки B</source>
        <translation>швидкість точки B</translation>
    </message>
    <message>
        <source>скорость точки D</source>
        <translation>швидкість точки D</translation>
    </message>
    <message>
        <source>скорость ползуна E</source>
        <translation>швидкість повзуна E</translation>
    </message>
    <message>
        <source>ускорение точки A</source>
        <translation>прискорення точки A</translation>
    </message>
    <message>
        <source>ускорение точки B</source>
        <translation>прискорення точки B</translation>
    </message>
    <message>
        <source>ускорение точки D</source>
        <translation>прискорення точки D</translation>
    </message>
    <message>
        <source>ускорение ползуна E</source>
        <translation>прискорення повзуна E</translation>
    </message>
    <message>
        <source>неизвестная величина «%1»; можно: %2</source>
        <translation>невідома величина «%1»; можна: %2</translation>
    </message>
    <message>
        <source>μl = %1 м/мм</source>
        <translation>μl = %1 м/мм</translation>
    </message>
    <message>
        <source>μv = %1 (м/с)/мм</source>
        <translation>μv = %1 (м/с)/мм</translation>
    </message>
    <message>
        <source>μa = %1 (м/с²)/мм</source>
        <translation>μa = %1 (м/с²)/мм</translation>
    </message>
    <message>
        <source>В</source>
        <translation>О</translation>
    </message>
    <message>
        <source>П</source>
        <translation>П</translation>
    </message>
    <message>
        <source>стойка</source>
        <translation>стояк</translation>
    </message>
    <message>
        <source>шатун DE</source>
        <translation>шатун DE</translation>
    </message>
    <message>
        <source>ползун E</source>
        <translation>повзун E</translation>
    </message>
    <message>
        <source>Звенья: %1.</source>
        <translation>Ланки: %1.</translation>
    </message>
    <message>
        <source>Кинематические пары: %1 — вращательные.</source>
        <translation>Кінематичні пари: %1 — обертальні.</translation>
    </message>
    <message>
        <source>Кинематические пары: %1 — вращательные; %2 — поступательная (ползун по направляющей).</source>
        <translation>Кінематичні пари: %1 — обертальні; %2 — поступальна (повзун по напрямній).</translation>
    </message>
    <message>
        <source>Все пары низшие, 5-го класса (одна степень свободы в каждой).</source>
        <translation>Усі пари нижчі, 5-го класу (один ступінь вільності в кожній).</translation>
    </message>
    <message>
        <source>Среди пар есть высшие, 4-го класса.</source>
        <translation>Серед пар є вищі, 4-го класу.</translation>
    </message>
    <message>
        <source>Число подвижных звеньев n = %1, низших пар p5 = %2, высших пар p4 = %3.</source>
        <translation>Кількість рухомих ланок n = %1, нижчих пар p5 = %2, вищих пар p4 = %3.</translation>
    </message>
    <message>
        <source>Степень подвижности по формуле Чебышева: W = 3n − 2p5 − p4 = 3·%1 − 2·%2 − %3 = %4.</source>
        <translation>Ступінь рухомості за формулою Чебишева: W = 3n − 2p5 − p4 = 3·%1 − 2·%2 − %3 = %4.</translation>
    </message>
    <message>
        <source>W = 1: движение всех звеньев задаётся одним ведущим звеном — звеном %1.</source>
        <translation>W = 1: рух усіх ланок задається однією ведучою ланкою — ланкою %1.</translation>
    </message>
    <message>
        <source>Начальный механизм I(0,%1): стойка 0 и ведущее звено %1; W = %2.</source>
        <translation>Початковий механізм I(0,%1): стояк 0 і ведуча ланка %1; W = %2.</translation>
    </message>
    <message>
        <source>%1-й вид (%2)</source>
        <translation>%1-й вид (%2)</translation>
    </message>
    <message>
        <source>Группа Ассура %1–%2: звенья %1 и %2, внутренняя пара %3, внешние пары %4 и %5; класс %6, порядок %7, %8; W = %9.</source>
        <translation>Група Ассура %1–%2: ланки %1 і %2, внутрішня пара %3, зовнішні пари %4 і %5; клас %6, порядок %7, %8; W = %9.</translation>
    </message>
    <message>
        <source>Оставшиеся звенья не образуют двухповодковых групп.</source>
        <translation>Решта ланок не утворює двоповідкових груп.</translation>
    </message>
    <message>
        <source>Структурная формула: %1.</source>
        <translation>Структурна формула: %1.</translation>
    </message>
    <message>
        <source>Механизм %1 класса: это наивысший класс входящих в него групп Ассура.</source>
        <translation>Механізм %1 класу: це найвищий клас груп Ассура, що входять до нього.</translation>
    </message>
    <message>
        <source>м</source>
        <translation>м</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>м/с</translation>
    </message>
    <message>
        <source>м/с²</source>
        <translation>м/с²</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>рад/с</translation>
    </message>
    <message>
        <source>рад/с²</source>
        <translation>рад/с²</translation>
    </message>
    <message>
        <source>Н</source>
        <translation>Н</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>Н·м</translation>
    </message>
    <message>
        <source>кг</source>
        <translation>кг</translation>
    </message>
    <message>
        <source>кг·м²</source>
        <translation>кг·м²</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>Дж</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>кг/м</source>
        <translation>кг/м</translation>
    </message>
    <message>
        <source>против часовой стрелки</source>
        <translation>проти годинникової стрілки</translation>
    </message>
    <message>
        <source>по часовой стрелке</source>
        <translation>за годинниковою стрілкою</translation>
    </message>
    <message>
        <source>звено не вращается</source>
        <translation>ланка не обертається</translation>
    </message>
    <message>
        <source>Mб(рычаг)</source>
        <translation>Mзр(важіль)</translation>
    </message>
    <message>
        <source>Mб</source>
        <translation>Mзр</translation>
    </message>
    <message>
        <source>Fи</source>
        <translation>Fі</translation>
    </message>
    <message>
        <source>Mи</source>
        <translation>Mі</translation>
    </message>
    <message>
        <source>Fс</source>
        <translation>Fо</translation>
    </message>
    <message>
        <source> (то же, что %1°)</source>
        <translation> (те саме, що %1°)</translation>
    </message>
    <message>
        <source>Схема механизма в этом положении занимает %1 × %2 м и не умещается в поле %3 мм даже в масштабе 1:50.</source>
        <translation>Схема механізму в цьому положенні займає %1 × %2 м і не вміщується в поле %3 мм навіть у масштабі 1:50.</translation>
    </message>
    <message>
        <source>Схема механизма в этом положении занимает %1 × %2 м; в поле %3 мм она умещается в масштабе %4: %5.</source>
        <translation>Схема механізму в цьому положенні займає %1 × %2 м; у поле %3 мм вона вміщується в масштабі %4: %5.</translation>
    </message>
    <message>
        <source>Неподвижные точки: O (0; 0), C (−lOC; 0) = (%1; 0); направляющая ползуна — вертикаль x = −lOC/2 = %2 м.</source>
        <translation>Нерухомі точки: O (0; 0), C (−lOC; 0) = (%1; 0); напрямна повзуна — вертикаль x = −lOC/2 = %2 м.</translation>
    </message>
    <message>
        <source>точка A на вертикали через C</source>
        <translation>точка A на вертикалі через C</translation>
    </message>
    <message>
        <source>направление CA</source>
        <translation>напрям CA</translation>
    </message>
    <message>
        <source>угол передачи между BA и BC</source>
        <translation>кут передачі між BA і BC</translation>
    </message>
    <message>
        <source>угол при C между CA и CB</source>
        <translation>кут при C між CA і CB</translation>
    </message>
    <message>
        <source>направление CB</source>
        <translation>напрям CB</translation>
    </message>
    <message>
        <source>угол при A</source>
        <translation>кут при A</translation>
    </message>
    <message>
        <source>направление AB</source>
        <translation>напрям AB</translation>
    </message>
    <message>
        <source>направление ED (E ниже D)</source>
        <translation>напрям ED (E нижче D)</translation>
    </message>
    <message>
        <source>ω1 = %1 рад/с: кривошип вращается равномерно %2.</source>
        <translation>ω1 = %1 рад/с: кривошип обертається рівномірно %2.</translation>
    </message>
    <message>
        <source>вектор ⊥ OA в сторону вращения кривошипа</source>
        <translation>вектор ⊥ OA у бік обертання кривошипа</translation>
    </message>
    <message>
        <source>План скоростей из полюса p: наибольший отрезок не длиннее %1 мм при %2.</source>
        <translation>План швидкостей з полюса p: найбільший відрізок не довший за %1 мм при %2.</translation>
    </message>
    <message>
        <source>Все скорости равны нулю: план скоростей стягивается в точку p.</source>
        <translation>Усі швидкості дорівнюють нулю: план швидкостей стягується в точку p.</translation>
    </message>
    <message>
        <source>Из точки a проводим прямую ⊥ AB, из полюса p — прямую ⊥ BC; их пересечение — точка b. В проекциях на направления звеньев:</source>
        <translation>З точки a проводимо пряму ⊥ AB, з полюса p — пряму ⊥ BC; їх перетин — точка b. У проєкціях на напрями ланок:</translation>
    </message>
    <message>
        <source>Точка d делит отрезок ab плана так же, как точка D делит AB (подобие): ad/ab = lAD/lAB = 1/2.</source>
        <translation>Точка d ділить відрізок ab плану так само, як точка D ділить AB (подібність): ad/ab = lAD/lAB = 1/2.</translation>
    </message>
    <message>
        <source>vE = vD + vED, vED ⊥ DE; vE ∥ направляющей. Из точки d проводим прямую ⊥ DE, из полюса p — вертикаль; их пересечение — точка e.</source>
        <translation>vE = vD + vED, vED ⊥ DE; vE ∥ напрямній. З точки d проводимо пряму ⊥ DE, з полюса p — вертикаль; їх перетин — точка e.</translation>
    </message>
    <message>
        <source>ползун движется вверх</source>
        <translation>повзун рухається вгору</translation>
    </message>
    <message>
        <source>ползун движется вниз</source>
        <translation>повзун рухається вниз</translation>
    </message>
    <message>
        <source>ползун стоит</source>
        <translation>повзун стоїть</translation>
    </message>
    <message>
        <source>Положения звеньев</source>
        <translation>Положення ланок</translation>
    </message>
    <message>
        <source>Скорости</source>
        <translation>Швидкості</translation>
    </message>
    <message>
        <source>Ускорения</source>
        <translation>Прискорення</translation>
    </message>
    <message>
        <source>Силы</source>
        <translation>Сили</translation>
    </message>
    <message>
        <source>Ход решения: положение %1 из %2</source>
        <translation>Хід розв&apos;язання: положення %1 з %2</translation>
    </message>
    <message>
        <source>ε1 = 0 (ω1 постоянна), поэтому у точки A только нормальное ускорение, направленное от A к O.</source>
        <translation>ε1 = 0 (ω1 стала), тому точка A має лише нормальне прискорення, спрямоване від A до O.</translation>
    </message>
    <message>
        <source>План ускорений из полюса π: наибольший отрезок не длиннее %1 мм при %2.</source>
        <translation>План прискорень з полюса π: найбільший відрізок не довший за %1 мм при %2.</translation>
    </message>
    <message>
        <source>Все ускорения равны нулю: план ускорений стягивается в точку π.</source>
        <translation>Усі прискорення дорівнюють нулю: план прискорень стягується в точку π.</translation>
    </message>
    <message>
        <source>aB = aA + aBAⁿ + aBAᵗ;   aB = aC + aBCⁿ + aBCᵗ, aC = 0. aBAⁿ ∥ AB (от B к A), aBAᵗ ⊥ AB; aBCⁿ ∥ BC (от B к C), aBCᵗ ⊥ BC.</source>
        <translation>aB = aA + aBAⁿ + aBAᵗ;   aB = aC + aBCⁿ + aBCᵗ, aC = 0. aBAⁿ ∥ AB (від B до A), aBAᵗ ⊥ AB; aBCⁿ ∥ BC (від B до C), aBCᵗ ⊥ BC.</translation>
    </message>
    <message>
        <source>Из точки n₂ проводим прямую ⊥ AB, из точки n₃ — прямую ⊥ BC; их пересечение — точка b. В проекциях на направления звеньев:</source>
        <translation>З точки n₂ проводимо пряму ⊥ AB, з точки n₃ — пряму ⊥ BC; їх перетин — точка b. У проєкціях на напрями ланок:</translation>
    </message>
    <message>
        <source>Точка d — середина отрезка ab плана ускорений (подобие, как на плане скоростей).</source>
        <translation>Точка d — середина відрізка ab плану прискорень (подібність, як на плані швидкостей).</translation>
    </message>
    <message>
        <source>aE = aD + aEDⁿ + aEDᵗ; aEDⁿ ∥ DE (от E к D), aEDᵗ ⊥ DE, aE ∥ направляющей.</source>
        <translation>aE = aD + aEDⁿ + aEDᵗ; aEDⁿ ∥ DE (від E до D), aEDᵗ ⊥ DE, aE ∥ напрямній.</translation>
    </message>
    <message>
        <source>направлено вверх</source>
        <translation>спрямоване вгору</translation>
    </message>
    <message>
        <source>направлено вниз</source>
        <translation>спрямоване вниз</translation>
    </message>
    <message>
        <source>равно нулю</source>
        <translation>дорівнює нулю</translation>
    </message>
    <message>
        <source>g = %1 м/с².</source>
        <translation>g = %1 м/с².</translation>
    </message>
    <message>
        <source>сила тяжести не учитывается.</source>
        <translation>сила тяжіння не враховується.</translation>
    </message>
    <message>
        <source>Нагрузки: q = %1 кг/м, m5 = %2 кг, Fс = %3 Н на рабочем ходу, ω1 = %4 рад/с, %5</source>
        <translation>Навантаження: q = %1 кг/м, m5 = %2 кг, Fо = %3 Н на робочому ході, ω1 = %4 рад/с, %5</translation>
    </message>
    <message>
        <source>Положение на рабочем ходу: сила сопротивления Fс = %1 Н приложена к ползуну против его скорости, вверх.</source>
        <translation>Положення на робочому ході: сила опору Fо = %1 Н прикладена до повзуна проти його швидкості, вгору.</translation>
    </message>
    <message>
        <source>Положение на рабочем ходу: сила сопротивления Fс = %1 Н приложена к ползуну против его скорости, вниз.</source>
        <translation>Положення на робочому ході: сила опору Fо = %1 Н прикладена до повзуна проти його швидкості, вниз.</translation>
    </message>
    <message>
        <source>Положение на рабочем ходу, но ползун стоит: Fс = 0.</source>
        <translation>Положення на робочому ході, але повзун стоїть: Fо = 0.</translation>
    </message>
    <message>
        <source>Положение на холостом ходу: Fс = 0.</source>
        <translation>Положення на холостому ході: Fо = 0.</translation>
    </message>
    <message>
        <source>Центры масс: S1 %1 — середина OA, S2 = D, S3 %2 — середина BC, S4 %3 — середина DE, S5 = E %4.</source>
        <translation>Центри мас: S1 %1 — середина OA, S2 = D, S3 %2 — середина BC, S4 %3 — середина DE, S5 = E %4.</translation>
    </message>
    <message>
        <source>вниз</source>
        <translation>вниз</translation>
    </message>
    <message>
        <source>Силы инерции Fи = −m·aS приложены в центрах масс против их ускорений, моменты сил инерции Mи = −JS·ε — против угловых ускорений.</source>
        <translation>Сили інерції Fі = −m·aS прикладені в центрах мас проти їх прискорень, моменти сил інерції Mі = −JS·ε — проти кутових прискорень.</translation>
    </message>
    <message>
        <source>Группа 4–5 (шатун DE и ползун E). Неизвестны R24 в шарнире D (R24τ ⊥ DE и R24n ∥ DE), N05 — реакция направляющей (⊥ направляющей) и R45 во внутренней паре E.</source>
        <translation>Група 4–5 (шатун DE і повзун E). Невідомі R24 у шарнірі D (R24τ ⊥ DE і R24n ∥ DE), N05 — реакція напрямної (⊥ напрямній) і R45 у внутрішній парі E.</translation>
    </message>
    <message>
        <source>ΣM_E(звено 4) = R24τ·lDE + M_E(G4 + Fи4) + Mи4 = 0:</source>
        <translation>ΣM_E(ланка 4) = R24τ·lDE + M_E(G4 + Fі4) + Mі4 = 0:</translation>
    </message>
    <message>
        <source>ΣF(4, 5) = R24τ + R24n + G4 + Fи4 + G5 + Fи5 + Fс + N05 = 0; в проекциях на оси y и x:</source>
        <translation>ΣF(4, 5) = R24τ + R24n + G4 + Fі4 + G5 + Fі5 + Fо + N05 = 0; у проєкціях на осі y і x:</translation>
    </message>
    <message>
        <source>вдоль оси x</source>
        <translation>вздовж осі x</translation>
    </message>
    <message>
        <source>Равновесие ползуна: R45 + N05 + G5 + Fи5 + Fс = 0.</source>
        <translation>Рівновага повзуна: R45 + N05 + G5 + Fі5 + Fо = 0.</translation>
    </message>
    <message>
        <source>Группа 2–3 (шатун AB и коромысло BC). На шатун в D действует R42 = −R24; неизвестны R12 в A (R12τ ⊥ AB, R12n ∥ AB) и R03 в C (R03τ ⊥ BC, R03n ∥ BC).</source>
        <translation>Група 2–3 (шатун AB і коромисло BC). На шатун у D діє R42 = −R24; невідомі R12 в A (R12τ ⊥ AB, R12n ∥ AB) і R03 в C (R03τ ⊥ BC, R03n ∥ BC).</translation>
    </message>
    <message>
        <source>ΣM_B(звено 2) = −R12τ·lAB + M_B(G2 + Fи2 + R42) + Mи2 = 0:</source>
        <translation>ΣM_B(ланка 2) = −R12τ·lAB + M_B(G2 + Fі2 + R42) + Mі2 = 0:</translation>
    </message>
    <message>
        <source>ΣM_B(звено 3) = −R03τ·lBC + M_B(G3 + Fи3) + Mи3 = 0:</source>
        <translation>ΣM_B(ланка 3) = −R03τ·lBC + M_B(G3 + Fі3) + Mі3 = 0:</translation>
    </message>
    <message>
        <source>ΣF(2, 3) = R12τ + R12n + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n = 0; направления R12n и R03n известны, их величины дают план сил группы (или две проекции):</source>
        <translation>ΣF(2, 3) = R12τ + R12n + G2 + Fі2 + R42 + G3 + Fі3 + R03τ + R03n = 0; напрями R12n і R03n відомі, їх величини дає план сил групи (або дві проєкції):</translation>
    </message>
    <message>
        <source>вдоль AB</source>
        <translation>вздовж AB</translation>
    </message>
    <message>
        <source>вдоль CB</source>
        <translation>вздовж CB</translation>
    </message>
    <message>
        <source>Равновесие шатуна: R32 = −(R12 + G2 + Fи2 + R42), R23 = −R32:</source>
        <translation>Рівновага шатуна: R32 = −(R12 + G2 + Fі2 + R42), R23 = −R32:</translation>
    </message>
    <message>
        <source>Кривошип OA: в A на него действует R21 = −R12, в S1 — G1 и Fи1, в O — реакция стойки R01, и уравновешивающий момент Mб.</source>
        <translation>Кривошип OA: в A на нього діє R21 = −R12, в S1 — G1 і Fі1, в O — реакція стояка R01, і зрівноважувальний момент Mзр.</translation>
    </message>
    <message>
        <source>Проверка по рычагу Жуковского: сумма мощностей всех сил и моментов равна нулю, Mб·ω1 + ΣN = 0, где N = F·vS для сил и N = M·ω для моментов.</source>
        <translation>Перевірка за важелем Жуковського: сума потужностей усіх сил і моментів дорівнює нулю, Mзр·ω1 + ΣN = 0, де N = F·vS для сил і N = M·ω для моментів.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Не вдалося записати файл %1: %2</translation>
    </message>
    <message>
        <source>Папка %1 не существует. Создайте её или выберите другую.</source>
        <translation>Теки %1 не існує. Створіть її або виберіть іншу.</translation>
    </message>
    <message>
        <source>%1 — это файл, а не папка.</source>
        <translation>%1 — це файл, а не тека.</translation>
    </message>
    <message>
        <source>В папку %1 нельзя записывать (нет прав на запись). Выберите другую папку.</source>
        <translation>У теку %1 не можна записувати (немає прав на запис). Виберіть іншу теку.</translation>
    </message>
    <message>
        <source>Не указано имя файла для записи.</source>
        <translation>Не вказано ім&apos;я файлу для запису.</translation>
    </message>
    <message>
        <source>папка %1 не существует.</source>
        <translation>теки %1 не існує.</translation>
    </message>
    <message>
        <source>%1 — это не папка.</source>
        <translation>%1 — це не тека.</translation>
    </message>
    <message>
        <source>под этим именем уже есть папка.</source>
        <translation>під цим ім&apos;ям уже є тека.</translation>
    </message>
    <message>
        <source>файл защищён от записи.</source>
        <translation>файл захищений від запису.</translation>
    </message>
    <message>
        <source>нет прав на запись в папку %1.</source>
        <translation>немає прав на запис у теку %1.</translation>
    </message>
    <message>
        <source>ошибка при записи.</source>
        <translation>помилка під час запису.</translation>
    </message>
    <message>
        <source>записано не всё, файл не изменён (%1). Освободите место на диске или выберите другую папку.</source>
        <translation>записано не все, файл не змінено (%1). Звільніть місце на диску або виберіть іншу теку.</translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation>помилка запису</translation>
    </message>
    <message>
        <source>файл не удалось создать (%1).</source>
        <translation>файл не вдалося створити (%1).</translation>
    </message>
    <message>
        <source>Положения задаются двумя номерами от 0 до %1 через запятую, например 2,8.</source>
        <translation>Положення задаються двома номерами від 0 до %1 через кому, наприклад 2,8.</translation>
    </message>
    <message>
        <source>Диагрнамма скоростей т. Е</source>
        <translation>Діаграма швидкостей т. E</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Кут</translation>
    </message>
    <message>
        <source>Скорости</source>
        <translation>Швидкості</translation>
    </message>
    <message>
        <source>Диагрнамма перемещений Xa</source>
        <translation>Діаграма переміщень Xa</translation>
    </message>
    <message>
        <source>Перемещения</source>
        <translation>Переміщення</translation>
    </message>
    <message>
        <source>Траектория движения т. D</source>
        <translation>Траєкторія руху т. D</translation>
    </message>
    <message>
        <source>График изменения max угла передачи</source>
        <translation>Графік зміни max кута передачі</translation>
    </message>
    <message>
        <source>Длина ВС</source>
        <translation>Довжина BC</translation>
    </message>
    <message>
        <source>Мax угол передачи </source>
        <translation>Max кут передачі </translation>
    </message>
    <message>
        <source>График изменения max скорости Ve</source>
        <translation>Графік зміни max швидкості Ve</translation>
    </message>
    <message>
        <source>Max скорость  Ve</source>
        <translation>Max швидкість  Ve</translation>
    </message>
    <message>
        <source>График изменения min  угла передачи</source>
        <translation>Графік зміни min  кута передачі</translation>
    </message>
    <message>
        <source>Min  угол передачи</source>
        <translation>Min  кут передачі</translation>
    </message>
    <message>
        <source>Уравновешивающий момент Mб</source>
        <translation>Зрівноважувальний момент Mзр</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Кут, °</translation>
    </message>
    <message>
        <source>Mб, Н·м</source>
        <translation>Mзр, Н·м</translation>
    </message>
    <message>
        <source>Красная линия — по группам Ассура, синяя — по рычагу Жуковского; они должны совпадать.</source>
        <translation>Червона лінія — за групами Ассура, синя — за важелем Жуковського; вони мають збігатися.</translation>
    </message>
    <message>
        <source>не удалось записать файл DXF.</source>
        <translation>не вдалося записати файл DXF.</translation>
    </message>
    <message>
        <source>Приведённый момент сил Mпр и движущий момент Mд</source>
        <translation>Зведений момент сил Mзв і рушійний момент Mр</translation>
    </message>
    <message>
        <source>M, Н·м</source>
        <translation>M, Н·м</translation>
    </message>
    <message>
        <source>Работы Aд, Aс и изменение кинетической энергии ΔT</source>
        <translation>Роботи Aр, Aо і зміна кінетичної енергії ΔT</translation>
    </message>
    <message>
        <source>A, Дж</source>
        <translation>A, Дж</translation>
    </message>
    <message>
        <source>Приведённый момент инерции Jпр</source>
        <translation>Зведений момент інерції Jзв</translation>
    </message>
    <message>
        <source>Jпр, кг·м²</source>
        <translation>Jзв, кг·м²</translation>
    </message>
    <message>
        <source>Диаграмма энергия – масса ΔT(Jпр)</source>
        <translation>Діаграма енергія – маса ΔT(Jзв)</translation>
    </message>
    <message>
        <source>ΔT, Дж</source>
        <translation>ΔT, Дж</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа ω1 с маховиком</source>
        <translation>Кутова швидкість кривошипа ω1 з маховиком</translation>
    </message>
    <message>
        <source>ω1, рад/с</source>
        <translation>ω1, рад/с</translation>
    </message>
    <message>
        <source>Красная линия — приведённый момент сил тяжести и сопротивления Mпр, синяя — постоянный движущий момент Mд (Mпр &gt; 0 помогает кривошипу).</source>
        <translation>Червона лінія — зведений момент сил тяжіння та опору Mзв, синя — сталий рушійний момент Mр (Mзв &gt; 0 допомагає кривошипу).</translation>
    </message>
    <message>
        <source>Синяя — работа движущего момента Aд, красная — работа сил сопротивления и тяжести Aс, зелёная — ΔT = Aд + Aс; за цикл Aд + Aс = 0.</source>
        <translation>Синя — робота рушійного моменту Aр, червона — робота сил опору й тяжіння Aо, зелена — ΔT = Aр + Aо; за цикл Aр + Aо = 0.</translation>
    </message>
    <message>
        <source>Jпр = Σ(m·vS² + JS·ω²) + m5·vE² при ω1 = 1 рад/с.</source>
        <translation>Jзв = Σ(m·vS² + JS·ω²) + m5·vE² при ω1 = 1 рад/с.</translation>
    </message>
    <message>
        <source>Красная — кривая ΔT(Jпр) за оборот; синие — касательные Виттенбауэра с tg ψ = ωср²(1 ± δ)/2. Они отсекают на оси ΔT отрезок ab, Jм = ab/(δ·ωср²).</source>
        <translation>Червона — крива ΔT(Jзв) за оберт; сині — дотичні Віттенбауера з tg ψ = ωср²(1 ± δ)/2. Вони відтинають на осі ΔT відрізок ab, Jм = ab/(δ·ωср²).</translation>
    </message>
    <message>
        <source>Красная — ω1(φ) с маховиком точного расчёта; синие — ωmax и ωmin, зелёная — ωср = (ωmax + ωmin)/2.</source>
        <translation>Червона — ω1(φ) з маховиком точного розрахунку; сині — ωmax і ωmin, зелена — ωср = (ωmax + ωmin)/2.</translation>
    </message>
    <message>
        <source> при φ = </source>
        <translation> при φ = </translation>
    </message>
    <message>
        <source>Движущий момент Mд</source>
        <translation>Рушійний момент Mр</translation>
    </message>
    <message>
        <source>Наибольшее ΔT</source>
        <translation>Найбільше ΔT</translation>
    </message>
    <message>
        <source>Наименьшее ΔT</source>
        <translation>Найменше ΔT</translation>
    </message>
    <message>
        <source>Размах ΔTmax − ΔTmin</source>
        <translation>Розмах ΔTmax − ΔTmin</translation>
    </message>
    <message>
        <source>Jм точно (ωmax − ωmin = δ·ωср)</source>
        <translation>Jм точно (ωmax − ωmin = δ·ωср)</translation>
    </message>
    <message>
        <source>Jм по Виттенбауэру, tg ψ = ωср²(1 ± δ)/2</source>
        <translation>Jм за Віттенбауером, tg ψ = ωср²(1 ± δ)/2</translation>
    </message>
    <message>
        <source>  разница с точным</source>
        <translation>  різниця з точним</translation>
    </message>
    <message>
        <source>Jм ≈ (ΔTmax − ΔTmin)/(δ·ωср²)</source>
        <translation>Jм ≈ (ΔTmax − ΔTmin)/(δ·ωср²)</translation>
    </message>
    <message>
        <source>Достигнутый δ</source>
        <translation>Досягнутий δ</translation>
    </message>
    <message>
        <source>ωср = (ωmax + ωmin)/2</source>
        <translation>ωср = (ωmax + ωmin)/2</translation>
    </message>
    <message>
        <source>ε1 наибольшее</source>
        <translation>ε1 найбільше</translation>
    </message>
    <message>
        <source>ε1 наименьшее</source>
        <translation>ε1 найменше</translation>
    </message>
    <message>
        <source>Маховик-диск (сталь)</source>
        <translation>Маховик-диск (сталь)</translation>
    </message>
    <message>
        <source>Маховик-обод (сталь)</source>
        <translation>Маховик-обід (сталь)</translation>
    </message>
    <message>
        <source> Н·м</source>
        <translation> Н·м</translation>
    </message>
    <message>
        <source> Дж</source>
        <translation> Дж</translation>
    </message>
    <message>
        <source> кг·м²</source>
        <translation> кг·м²</translation>
    </message>
    <message>
        <source> (маховик не нужен)</source>
        <translation> (маховик не потрібен)</translation>
    </message>
    <message>
        <source> (задан </source>
        <translation> (задано </translation>
    </message>
    <message>
        <source> рад/с</source>
        <translation> рад/с</translation>
    </message>
    <message>
        <source> рад/с²</source>
        <translation> рад/с²</translation>
    </message>
    <message>
        <source>не удалось построить изображение PNG.</source>
        <translation>не вдалося побудувати зображення PNG.</translation>
    </message>
    <message>
        <source>не удалось построить рисунок SVG.</source>
        <translation>не вдалося побудувати рисунок SVG.</translation>
    </message>
    <message>
        <source> м</source>
        <translation> м</translation>
    </message>
    <message>
        <source>Страница %1</source>
        <translation>Сторінка %1</translation>
    </message>
    <message>
        <source> (каждое %1-е положение из %2, строк: %3; все положения — в таблице CSV)</source>
        <translation> (кожне %1-е положення з %2, рядків: %3; усі положення — у таблиці CSV)</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Дата: %1</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Вихідні дані</translation>
    </message>
    <message>
        <source>Длина кривошипа OA: Loa = %1</source>
        <translation>Довжина кривошипа OA: Loa = %1</translation>
    </message>
    <message>
        <source>Длина шатуна AB: Lab = %1</source>
        <translation>Довжина шатуна AB: Lab = %1</translation>
    </message>
    <message>
        <source>Длина коромысла BC (введённая): Lbc = %1</source>
        <translation>Довжина коромисла BC (введена): Lbc = %1</translation>
    </message>
    <message>
        <source>Длина звена DE: Lde = %1</source>
        <translation>Довжина ланки DE: Lde = %1</translation>
    </message>
    <message>
        <source>Расстояние между опорами O и C: Loc = %1</source>
        <translation>Відстань між опорами O і C: Loc = %1</translation>
    </message>
    <message>
        <source>Число положений кривошипа: N = %1</source>
        <translation>Кількість положень кривошипа: N = %1</translation>
    </message>
    <message>
        <source>Выбор длины коромысла</source>
        <translation>Вибір довжини коромисла</translation>
    </message>
    <message>
        <source>Исследование длины коромысла BC от 0,591 до 0,9 м выбрало длину, при которой скорость ползуна E наибольшая:</source>
        <translation>Дослідження довжини коромисла BC від 0,591 до 0,9 м вибрало довжину, за якої швидкість повзуна E найбільша:</translation>
    </message>
    <message>
        <source>Подбор длины коромысла выключен: исследование выбрало бы Lbc = %1, но механизм рассчитан с введённой длиной:</source>
        <translation>Добір довжини коромисла вимкнено: дослідження вибрало б Lbc = %1, але механізм розраховано з введеною довжиною:</translation>
    </message>
    <message>
        <source>Все завершённые расчёты исследования (%1) заклинивают механизм; длина коромысла осталась введённой:</source>
        <translation>Усі завершені розрахунки дослідження (%1) заклинюють механізм; довжина коромисла залишилася введеною:</translation>
    </message>
    <message>
        <source>Ни один расчёт исследования не завершился; длина коромысла осталась прежней:</source>
        <translation>Жоден розрахунок дослідження не завершився; довжина коромисла залишилася попередньою:</translation>
    </message>
    <message>
        <source>Пропущено длин, при которых механизм заклинивает (угол передачи ближе 1° к 0° или 180°): %1.</source>
        <translation>Пропущено довжин, за яких механізм заклинює (кут передачі ближче ніж 1° до 0° або 180°): %1.</translation>
    </message>
    <message>
        <source>Принятая длина коромысла: Lbc = %1</source>
        <translation>Прийнята довжина коромисла: Lbc = %1</translation>
    </message>
    <message>
        <source>Таблица, диаграммы и рисунки ниже построены для этой длины коромысла.</source>
        <translation>Таблицю, діаграми й рисунки нижче побудовано для цієї довжини коромисла.</translation>
    </message>
    <message>
        <source>Мёртвые положения механизма</source>
        <translation>Мертві положення механізму</translation>
    </message>
    <message>
        <source>Крайние положения ползуна: %1°, %2°</source>
        <translation>Крайні положення повзуна: %1°, %2°</translation>
    </message>
    <message>
        <source>Перебор угла кривошипа через 1° при Lbc = %1 мёртвых положений не нашёл.</source>
        <translation>Перебір кута кривошипа через 1° при Lbc = %1 мертвих положень не знайшов.</translation>
    </message>
    <message>
        <source>Перебор угла кривошипа через 1° при Lbc = %1 (введённая длина коромысла): углы, при которых скорость ползуна E меньше 0,001 м/с:</source>
        <translation>Перебір кута кривошипа через 1° при Lbc = %1 (введена довжина коромисла): кути, за яких швидкість повзуна E менша за 0,001 м/с:</translation>
    </message>
    <message>
        <source>%1) %2 рад = %3°</source>
        <translation>%1) %2 рад = %3°</translation>
    </message>
    <message>
        <source>Характеристики не рассчитаны: %1</source>
        <translation>Характеристики не розраховано: %1</translation>
    </message>
    <message>
        <source>Кривошип не может сделать полный оборот (механизм не собирается при угле %1°): характеристик нет.</source>
        <translation>Кривошип не може зробити повний оберт (механізм не складається при куті %1°): характеристик немає.</translation>
    </message>
    <message>
        <source>Ход ползуна E: H = %1 м</source>
        <translation>Хід повзуна E: H = %1 м</translation>
    </message>
    <message>
        <source>Коэффициент изменения средней скорости: K = %1</source>
        <translation>Коефіцієнт зміни середньої швидкості: K = %1</translation>
    </message>
    <message>
        <source>Угол передачи: γmin = %1°, γmax = %2°</source>
        <translation>Кут передачі: γmin = %1°, γmax = %2°</translation>
    </message>
    <message>
        <source>Наименьший угол передачи μmin = %1° (острый угол μ = min(γ, 180° − γ))</source>
        <translation>Найменший кут передачі μmin = %1° (гострий кут μ = min(γ, 180° − γ))</translation>
    </message>
    <message>
        <source>Крайние положения ползуна при углах поворота кривошипа %1° и %2°</source>
        <translation>Крайні положення повзуна при кутах повороту кривошипа %1° і %2°</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна: %1 м/с при ω1 = %2 рад/с</source>
        <translation>Найбільша швидкість повзуна: %1 м/с при ω1 = %2 рад/с</translation>
    </message>
    <message>
        <source>Ползун меняет направление %1 %3 за оборот: при φ = %2. Ход H — между самым низким и самым высоким положениями; рабочий ход — более длинный из двух поворотов кривошипа между ними (K = φраб / φхол), и Fс действует на всём рабочем ходе, в том числе там, где ползун временно идёт назад.</source>
        <translation>Повзун змінює напрям %1 %3 за оберт: при φ = %2. Хід H — між найнижчим і найвищим положеннями; робочий хід — довший із двох поворотів кривошипа між ними (K = φроб / φхол), і Fо діє на всьому робочому ході, зокрема там, де повзун тимчасово йде назад.</translation>
    </message>
    <message>
        <source>раза</source>
        <translation>рази</translation>
    </message>
    <message>
        <source>раз</source>
        <translation>разів</translation>
    </message>
    <message>
        <source>Характеристики механизма</source>
        <translation>Характеристики механізму</translation>
    </message>
    <message>
        <source>Результаты расчёта</source>
        <translation>Результати розрахунку</translation>
    </message>
    <message>
        <source>Механизм не удалось собрать ни в одном положении: таблица пуста.</source>
        <translation>Механізм не вдалося скласти в жодному положенні: таблиця порожня.</translation>
    </message>
    <message>
        <source>Результаты расчёта: точки A и B</source>
        <translation>Результати розрахунку: точки A і B</translation>
    </message>
    <message>
        <source>Результаты расчёта: точки D и E</source>
        <translation>Результати розрахунку: точки D і E</translation>
    </message>
    <message>
        <source>Результаты расчёта (продолжение)</source>
        <translation>Результати розрахунку (продовження)</translation>
    </message>
    <message>
        <source>Диаграммы</source>
        <translation>Діаграми</translation>
    </message>
    <message>
        <source>План скоростей и положение механизма (положение %1, угол поворота кривошипа %2°)</source>
        <translation>План швидкостей і положення механізму (положення %1, кут повороту кривошипа %2°)</translation>
    </message>
    <message>
        <source>Слева — план скоростей, справа — механизм в этом положении с траекториями точек.</source>
        <translation>Ліворуч — план швидкостей, праворуч — механізм у цьому положенні з траєкторіями точок.</translation>
    </message>
    <message>
        <source>Планы выбранных положений</source>
        <translation>Плани вибраних положень</translation>
    </message>
    <message>
        <source>Положение %1 (φ = %2°)</source>
        <translation>Положення %1 (φ = %2°)</translation>
    </message>
    <message>
        <source>, рабочий ход</source>
        <translation>, робочий хід</translation>
    </message>
    <message>
        <source>, холостой ход</source>
        <translation>, холостий хід</translation>
    </message>
    <message>
        <source>Слева — план ускорений, в середине — план сил группы 2–3, справа — рычаг Жуковского; масштабы подписаны на рисунках.</source>
        <translation>Ліворуч — план прискорень, посередині — план сил групи 2–3, праворуч — важіль Жуковського; масштаби підписано на рисунках.</translation>
    </message>
    <message>
        <source>План ускорений; масштаб подписан на рисунке.</source>
        <translation>План прискорень; масштаб підписано на рисунку.</translation>
    </message>
    <message>
        <source>Учебное заведение: ________________________</source>
        <translation>Навчальний заклад: ________________________</translation>
    </message>
    <message>
        <source>Курсовой проект по теории механизмов и машин

</source>
        <translation>Курсовий проєкт з теорії механізмів і машин

</translation>
    </message>
    <message>
        <source>Loa = %1 м, Lab = %2 м, Lbc = %3 м, Lde = %4 м, Loc = %5 м</source>
        <translation>Loa = %1 м, Lab = %2 м, Lbc = %3 м, Lde = %4 м, Loc = %5 м</translation>
    </message>
    <message>
        <source>Вариант: </source>
        <translation>Варіант: </translation>
    </message>
    <message>
        <source>Выполнил: </source>
        <translation>Виконав: </translation>
    </message>
    <message>
        <source>Группа: </source>
        <translation>Група: </translation>
    </message>
    <message>
        <source>Проверил: </source>
        <translation>Перевірив: </translation>
    </message>
    <message>
        <source>Дата: </source>
        <translation>Дата: </translation>
    </message>
    <message>
        <source>учитывается</source>
        <translation>враховується</translation>
    </message>
    <message>
        <source>не учитывается</source>
        <translation>не враховується</translation>
    </message>
    <message>
        <source>Силовой анализ</source>
        <translation>Силовий аналіз</translation>
    </message>
    <message>
        <source>Силовой анализ не выполнен: %1</source>
        <translation>Силовий аналіз не виконано: %1</translation>
    </message>
    <message>
        <source>Масса каждого стержня равна q·l при q = %1 кг/м; центр масс — в середине звена (у шатуна — точка D), момент инерции m·l²/12.</source>
        <translation>Маса кожного стрижня дорівнює q·l при q = %1 кг/м; центр мас — посередині ланки (у шатуна — точка D), момент інерції m·l²/12.</translation>
    </message>
    <message>
        <source>Масса ползуна E: m5 = %1 кг.</source>
        <translation>Маса повзуна E: m5 = %1 кг.</translation>
    </message>
    <message>
        <source>Сила полезного сопротивления Fс = %1 Н действует на ползун против его скорости на рабочем ходе и равна нулю на холостом.</source>
        <translation>Сила корисного опору Fо = %1 Н діє на повзун проти його швидкості на робочому ході й дорівнює нулю на холостому.</translation>
    </message>
    <message>
        <source>Сила полезного сопротивления не приложена (Fс = 0): кривошип не проворачивается на полный оборот, поэтому рабочий ход ползуна не определён.</source>
        <translation>Силу корисного опору не прикладено (Fо = 0): кривошип не провертається на повний оберт, тому робочий хід повзуна не визначений.</translation>
    </message>
    <message>
        <source>Сила тяжести (g = 9,81 м/с²) %1; трения нет.</source>
        <translation>Сила тяжіння (g = 9,81 м/с²) %1; тертя немає.</translation>
    </message>
    <message>
        <source>Кривошип вращается против часовой стрелки с постоянной угловой скоростью ω1 = %1 рад/с.</source>
        <translation>Кривошип обертається проти годинникової стрілки зі сталою кутовою швидкістю ω1 = %1 рад/с.</translation>
    </message>
    <message>
        <source>Уравновешивающий момент Mб найден дважды: кинетостатикой по группам Ассура и по рычагу Жуковского (балансу мощностей).</source>
        <translation>Зрівноважувальний момент Mзр знайдено двічі: кінетостатикою за групами Ассура і за важелем Жуковського (балансом потужностей).</translation>
    </message>
    <message>
        <source>Наибольшая разность Mб двух методов: %1 Н·м.</source>
        <translation>Найбільша різниця Mзр двох методів: %1 Н·м.</translation>
    </message>
    <message>
        <source>Уравновешивающий момент по положениям</source>
        <translation>Зрівноважувальний момент за положеннями</translation>
    </message>
    <message>
        <source>Mб по группам Ассура (широкая красная линия) и по рычагу Жуковского (узкая синяя) при 180 положениях кривошипа: кривые должны совпадать.</source>
        <translation>Mзр за групами Ассура (широка червона лінія) і за важелем Жуковського (вузька синя) при 180 положеннях кривошипа: криві мають збігатися.</translation>
    </message>
    <message>
        <source>Динамический анализ</source>
        <translation>Динамічний аналіз</translation>
    </message>
    <message>
        <source>Нагрузки — те же, что в силовом анализе; средняя угловая скорость кривошипа ωср = %1 рад/с, коэффициент неравномерности δ = %2. Jпр и Mпр приведены к кривошипу, Mд = −(1/2π)∫Mпр dφ, ΔT = Aд + Aс.</source>
        <translation>Навантаження — ті самі, що в силовому аналізі; середня кутова швидкість кривошипа ωср = %1 рад/с, коефіцієнт нерівномірності δ = %2. Jзв і Mзв зведено до кривошипа, Mр = −(1/2π)∫Mзв dφ, ΔT = Aр + Aо.</translation>
    </message>
    <message>
        <source>Динамика по положениям</source>
        <translation>Динаміка за положеннями</translation>
    </message>
    <message>
        <source>Ускорения</source>
        <translation>Прискорення</translation>
    </message>
    <message>
        <source>Ускорения не рассчитаны: %1</source>
        <translation>Прискорення не розраховано: %1</translation>
    </message>
    <message>
        <source>Структурный анализ</source>
        <translation>Структурний аналіз</translation>
    </message>
    <message>
        <source>Проверка Грасгофа и проворачиваемость</source>
        <translation>Перевірка Грасгофа і провертання</translation>
    </message>
    <message>
        <source>Ход решения не составлен: %1</source>
        <translation>Хід розв&apos;язання не складено: %1</translation>
    </message>
    <message>
        <source>Ход решения</source>
        <translation>Хід розв&apos;язання</translation>
    </message>
    <message>
        <source>не удалось начать документ PDF.</source>
        <translation>не вдалося почати документ PDF.</translation>
    </message>
    <message>
        <source>запись отменена.</source>
        <translation>запис скасовано.</translation>
    </message>
    <message>
        <source>не удалось завершить документ PDF.</source>
        <translation>не вдалося завершити документ PDF.</translation>
    </message>
    <message>
        <source>Кинематический анализ шарнирно-рычажного механизма</source>
        <translation>Кінематичний аналіз шарнірно-важільного механізму</translation>
    </message>
    <message>
        <source>Jпр</source>
        <translation>Jзв</translation>
    </message>
    <message>
        <source>кг·м²</source>
        <translation>кг·м²</translation>
    </message>
    <message>
        <source>Приведённый момент инерции</source>
        <translation>Зведений момент інерції</translation>
    </message>
    <message>
        <source>Mпр</source>
        <translation>Mзв</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>Н·м</translation>
    </message>
    <message>
        <source>Приведённый момент сил</source>
        <translation>Зведений момент сил</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>Дж</translation>
    </message>
    <message>
        <source>Работы: движущих сил (основная), сопротивления (тонкая)</source>
        <translation>Роботи: рушійних сил (основна), опору (тонка)</translation>
    </message>
    <message>
        <source>Приращение кинетической энергии</source>
        <translation>Приріст кінетичної енергії</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>рад/с</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа с маховиком</source>
        <translation>Кутова швидкість кривошипа з маховиком</translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ = </source>
        <translation>Коефіцієнт нерівномірності δ = </translation>
    </message>
    <message>
        <source>ωср = </source>
        <translation>ωср = </translation>
    </message>
    <message>
        <source> рад/с;  Mд = </source>
        <translation> рад/с;  Mр = </translation>
    </message>
    <message>
        <source>Jм (точно) = </source>
        <translation>Jм (точно) = </translation>
    </message>
    <message>
        <source>Jм (Виттенбауэр) = </source>
        <translation>Jм (Віттенбауер) = </translation>
    </message>
    <message>
        <source>Jм (упрощённо) = </source>
        <translation>Jм (спрощено) = </translation>
    </message>
    <message>
        <source>Диск: D = </source>
        <translation>Диск: D = </translation>
    </message>
    <message>
        <source> м, b = </source>
        <translation> м, b = </translation>
    </message>
    <message>
        <source> м, m = </source>
        <translation> м, m = </translation>
    </message>
    <message>
        <source> кг</source>
        <translation> кг</translation>
    </message>
    <message>
        <source>Обод: D = </source>
        <translation>Обід: D = </translation>
    </message>
    <message>
        <source> рад/с, δ достигнутый = </source>
        <translation> рад/с, δ досягнутий = </translation>
    </message>
    <message>
        <source>Маховик</source>
        <translation>Маховик</translation>
    </message>
    <message>
        <source>Рычаг Жуковского, </source>
        <translation>Важіль Жуковського, </translation>
    </message>
    <message>
        <source>Fи1</source>
        <translation>Fі1</translation>
    </message>
    <message>
        <source>Fи2</source>
        <translation>Fі2</translation>
    </message>
    <message>
        <source>Fи3</source>
        <translation>Fі3</translation>
    </message>
    <message>
        <source>Fи4</source>
        <translation>Fі4</translation>
    </message>
    <message>
        <source>Fи5</source>
        <translation>Fі5</translation>
    </message>
    <message>
        <source>Fс</source>
        <translation>Fо</translation>
    </message>
    <message>
        <source>рычаг: </source>
        <translation>важіль: </translation>
    </message>
    <message>
        <source>Н</source>
        <translation>Н</translation>
    </message>
    <message>
        <source>Mб (группы) = </source>
        <translation>Mзр (групи) = </translation>
    </message>
    <message>
        <source> Н·м;  Mб (рычаг) = </source>
        <translation> Н·м;  Mзр (важіль) = </translation>
    </message>
    <message>
        <source>Mи4</source>
        <translation>Mі4</translation>
    </message>
    <message>
        <source>Группа 4–5</source>
        <translation>Група 4–5</translation>
    </message>
    <message>
        <source>Mи2</source>
        <translation>Mі2</translation>
    </message>
    <message>
        <source>Mи3</source>
        <translation>Mі3</translation>
    </message>
    <message>
        <source>Группа 2–3</source>
        <translation>Група 2–3</translation>
    </message>
    <message>
        <source>Mб</source>
        <translation>Mзр</translation>
    </message>
    <message>
        <source>Кривошип</source>
        <translation>Кривошип</translation>
    </message>
    <message>
        <source>М </source>
        <translation>М </translation>
    </message>
    <message>
        <source>Положение </source>
        <translation>Положення </translation>
    </message>
    <message>
        <source>рабочий ход</source>
        <translation>робочий хід</translation>
    </message>
    <message>
        <source>холостой ход</source>
        <translation>холостий хід</translation>
    </message>
    <message>
        <source>;  нагрузки </source>
        <translation>;  навантаження </translation>
    </message>
    <message>
        <source>План сил группы 4–5</source>
        <translation>План сил групи 4–5</translation>
    </message>
    <message>
        <source>План сил группы 2–3</source>
        <translation>План сил групи 2–3</translation>
    </message>
    <message>
        <source>План сил кривошипа</source>
        <translation>План сил кривошипа</translation>
    </message>
    <message>
        <source> (планы)</source>
        <translation> (плани)</translation>
    </message>
    <message>
        <source>Планы сил: </source>
        <translation>Плани сил: </translation>
    </message>
    <message>
        <source>Mб: по группам — основная линия, по рычагу — тонкая</source>
        <translation>Mзр: за групами — основна лінія, за важелем — тонка</translation>
    </message>
    <message>
        <source>крайнее (φ = </source>
        <translation>крайнє (φ = </translation>
    </message>
    <message>
        <source>положение </source>
        <translation>положення </translation>
    </message>
    <message>
        <source>Длины отрезков планов, мм</source>
        <translation>Довжини відрізків планів, мм</translation>
    </message>
    <message>
        <source>Отрезок</source>
        <translation>Відрізок</translation>
    </message>
    <message>
        <source>пол. </source>
        <translation>пол. </translation>
    </message>
    <message>
        <source>План скоростей, </source>
        <translation>План швидкостей, </translation>
    </message>
    <message>
        <source>План ускорений, </source>
        <translation>План прискорень, </translation>
    </message>
    <message>
        <source>м</source>
        <translation>м</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>м/с</translation>
    </message>
    <message>
        <source>м/с²</source>
        <translation>м/с²</translation>
    </message>
    <message>
        <source>Кинематический анализ</source>
        <translation>Кінематичний аналіз</translation>
    </message>
    <message>
        <source>Разраб.</source>
        <translation>Розроб.</translation>
    </message>
    <message>
        <source>Пров.</source>
        <translation>Перев.</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Група</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Масштабы:</source>
        <translation>Масштаби:</translation>
    </message>
    <message>
        <source>Лист</source>
        <translation>Аркуш</translation>
    </message>
    <message>
        <source>Листов</source>
        <translation>Аркушів</translation>
    </message>
    <message>
        <source>Курсовой проект</source>
        <translation>Курсовий проєкт</translation>
    </message>
    <message>
        <source>по ТММ</source>
        <translation>з ТММ</translation>
    </message>
    <message>
        <source>Формат </source>
        <translation>Формат </translation>
    </message>
    <message>
        <source>Вариант </source>
        <translation>Варіант </translation>
    </message>
    <message>
        <source>/мм</source>
        <translation>/мм</translation>
    </message>
    <message>
        <source>Лист %1</source>
        <translation>Аркуш %1</translation>
    </message>
    <message>
        <source>Анализ шарнирно-рычажного механизма</source>
        <translation>Аналіз шарнірно-важільного механізму</translation>
    </message>
    <message>
        <source> с ошибками</source>
        <translation> з помилками</translation>
    </message>
    <message>
        <source>похоже на UTF-16 без метки порядка байтов</source>
        <translation>схоже на UTF-16 без мітки порядку байтів</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>Число положений схемы — целое от 1 до %1.</source>
        <translation>Кількість положень схеми — ціле від 1 до %1.</translation>
    </message>
    <message>
        <source>Схема механизма в %1 положении, </source>
        <translation>Схема механізму в %1 положенні, </translation>
    </message>
    <message>
        <source>Схема механизма в %1 положениях, </source>
        <translation>Схема механізму в %1 положеннях, </translation>
    </message>
</context>
</TS>
