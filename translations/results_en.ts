<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Kinematics</name>
    <message>
        <source>шатун AB и коромысло BC не достают друг до друга при φ = %1°</source>
        <translation>the coupler AB and the rocker BC do not reach each other at φ = %1°</translation>
    </message>
    <message>
        <source>шатун AB и коромысло BC ложатся на одну прямую при φ = %1°</source>
        <translation>the coupler AB and the rocker BC fall into one straight line at φ = %1°</translation>
    </message>
    <message>
        <source>звено DE не достаёт до направляющей ползуна при φ = %1°</source>
        <translation>the link DE does not reach the slider&apos;s guide at φ = %1°</translation>
    </message>
    <message>
        <source>длина %1 не может быть равна %2 м</source>
        <translation>the length %1 cannot be %2 m</translation>
    </message>
    <message>
        <source>Механизм не собирается: Lab + Lbc &lt; Loa + Loc</source>
        <translation>The mechanism cannot be assembled: Lab + Lbc &lt; Loa + Loc</translation>
    </message>
    <message>
        <source>Динамика машины не рассчитана: %1</source>
        <translation>The machine&apos;s dynamics are not computed: %1</translation>
    </message>
    <message>
        <source>Характеристики механизма не рассчитаны: %1. Динамика машины не рассчитывается.</source>
        <translation>The mechanism&apos;s characteristics are not computed: %1. The machine&apos;s dynamics are not computed.</translation>
    </message>
    <message>
        <source>Кривошип не проворачивается на полный оборот: при φ = %1° звенья механизма не собираются. Динамика машины не рассчитывается.</source>
        <translation>The crank does not make a full turn: at φ = %1° the links of the mechanism cannot be assembled. The machine&apos;s dynamics are not computed.</translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ должен быть больше 0 и меньше %1. Динамика машины не рассчитывается.</source>
        <translation>The coefficient of speed fluctuation δ must be greater than 0 and less than %1. The machine&apos;s dynamics are not computed.</translation>
    </message>
    <message>
        <source>Средняя угловая скорость кривошипа ω1 должна быть больше 0. Динамика машины не рассчитывается.</source>
        <translation>The crank&apos;s mean angular velocity ω1 must be greater than 0. The machine&apos;s dynamics are not computed.</translation>
    </message>
    <message>
        <source>Массы и сила сопротивления не могут быть отрицательными. Динамика машины не рассчитывается.</source>
        <translation>The masses and the resistance force cannot be negative. The machine&apos;s dynamics are not computed.</translation>
    </message>
    <message>
        <source>кривошип OA</source>
        <translation>crank OA</translation>
    </message>
    <message>
        <source>шатун AB</source>
        <translation>coupler AB</translation>
    </message>
    <message>
        <source>коромысло BC</source>
        <translation>rocker BC</translation>
    </message>
    <message>
        <source>стойка OC</source>
        <translation>frame OC</translation>
    </message>
    <message>
        <source>%1 м</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source> и </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Самое короткое звено — %1 (%2), оно прилегает к стойке: кривошип OA проворачивается полностью, коромысло BC качается — кривошипно-коромысловый механизм.</source>
        <translation>The shortest link is the %1 (%2), next to the frame: the crank OA turns fully, the rocker BC rocks — a crank-rocker mechanism.</translation>
    </message>
    <message>
        <source>Самое короткое звено — %1 (%2): полностью проворачивается BC, а OA только качается — кривошипно-коромысловый механизм с ведущим коромыслом, звено OA не может быть кривошипом.</source>
        <translation>The shortest link is the %1 (%2): BC turns fully while OA only rocks — a crank-rocker mechanism driven by the rocker; the link OA cannot be a crank.</translation>
    </message>
    <message>
        <source>Самое короткое звено — %1 (%2): оба звена, прилегающие к стойке, OA и BC, проворачиваются полностью — двухкривошипный механизм.</source>
        <translation>The shortest link is the %1 (%2): both links next to the frame, OA and BC, turn fully — a double-crank mechanism.</translation>
    </message>
    <message>
        <source>Самое короткое звено — %1 (%2): полностью проворачивается только шатун, OA и BC качаются — двухкоромысловый механизм.</source>
        <translation>The shortest link is the %1 (%2): only the coupler turns fully, OA and BC rock — a double-rocker mechanism.</translation>
    </message>
    <message>
        <source>Условие не выполняется: ни одно звено не проворачивается полностью, OA и BC качаются — двухкоромысловый механизм.</source>
        <translation>The condition does not hold: no link turns fully, OA and BC rock — a double-rocker mechanism.</translation>
    </message>
    <message>
        <source>s + l = p + q — особый случай: в одном из положений все четыре шарнира O, A, B, C ложатся на одну прямую, и движение дальше не определено. Полностью может проворачиваться %1 (%2).</source>
        <translation>s + l = p + q is a special case: in one of the positions all four joints O, A, B, C fall into one straight line, and the motion beyond it is undetermined. The link that can turn fully: %1 (%2).</translation>
    </message>
    <message>
        <source>Длины звеньев должны быть положительными числами.</source>
        <translation>The link lengths must be positive numbers.</translation>
    </message>
    <message>
        <source>при φ = %1° шарниры O, A, B, C лежат на одной прямой (особое положение), и положения звеньев за ним не определены</source>
        <translation>at φ = %1° the joints O, A, B, C lie on one straight line (a change point), and the links&apos; positions beyond it are undetermined</translation>
    </message>
    <message>
        <source>lOA + lOC &gt; lAB + lBC, четырёхзвенник не собирается ни при каком угле φ</source>
        <translation>lOA + lOC &gt; lAB + lBC, the four-bar cannot be assembled at any angle φ</translation>
    </message>
    <message>
        <source>длины звеньев должны быть положительными</source>
        <translation>the link lengths must be positive</translation>
    </message>
    <message>
        <source>звено DE не достаёт до направляющей ползуна вблизи φ = %1°</source>
        <translation>the link DE does not reach the slider&apos;s guide near φ = %1°</translation>
    </message>
    <message>
        <source>Четырёхзвенник OABC: %1.</source>
        <translation>Four-bar OABC: %1.</translation>
    </message>
    <message>
        <source>Условие Грасгофа s + l ≤ p + q: s = %1 — самое короткое звено, l = %2 — самое длинное; %3 — выполняется.</source>
        <translation>Grashof&apos;s condition s + l ≤ p + q: s = %1 is the shortest link, l = %2 the longest; %3 — it holds.</translation>
    </message>
    <message>
        <source>Условие Грасгофа s + l ≤ p + q: s = %1 — самое короткое звено, l = %2 — самое длинное; %3 — не выполняется.</source>
        <translation>Grashof&apos;s condition s + l ≤ p + q: s = %1 is the shortest link, l = %2 the longest; %3 — it does not hold.</translation>
    </message>
    <message>
        <source>Механизм проворачивается полностью: при любом угле φ четырёхзвенник собирается и звено DE достаёт до направляющей ползуна.</source>
        <translation>The mechanism turns fully: at every angle φ the four-bar can be assembled and the link DE reaches the slider&apos;s guide.</translation>
    </message>
    <message>
        <source>Механизм не проворачивается полностью: %1.</source>
        <translation>The mechanism does not turn fully: %1.</translation>
    </message>
    <message>
        <source>Слишком большое количество положений механизма (не более 100000)</source>
        <translation>Too many positions of the mechanism (100000 at most)</translation>
    </message>
    <message>
        <source>Параметр не может быть отрицательным!</source>
        <translation>The parameter cannot be negative!</translation>
    </message>
    <message>
        <source>Ноль недопустим!</source>
        <translation>Zero is not allowed!</translation>
    </message>
    <message>
        <source>Вибране значення поза діапазоном</source>
        <translation>The chosen value is out of range</translation>
    </message>
    <message>
        <source>Ошибка ввода данных!</source>
        <translation>Input error!</translation>
    </message>
    <message>
        <source> (при ω1 = 1 рад/с)</source>
        <translation> (at ω1 = 1 rad/s)</translation>
    </message>
    <message>
        <source>номер положения кривошипа</source>
        <translation>number of the crank position</translation>
    </message>
    <message>
        <source>угол поворота кривошипа</source>
        <translation>crank angle</translation>
    </message>
    <message>
        <source>координата x точки A (конец кривошипа OA)</source>
        <translation>x coordinate of point A (end of the crank OA)</translation>
    </message>
    <message>
        <source>координата y точки A (конец кривошипа OA)</source>
        <translation>y coordinate of point A (end of the crank OA)</translation>
    </message>
    <message>
        <source>проекция скорости точки A на ось x</source>
        <translation>velocity of point A along the x axis</translation>
    </message>
    <message>
        <source>проекция скорости точки A на ось y</source>
        <translation>velocity of point A along the y axis</translation>
    </message>
    <message>
        <source>координата x точки B (шарнир шатуна AB и коромысла BC)</source>
        <translation>x coordinate of point B (joint of the coupler AB and the rocker BC)</translation>
    </message>
    <message>
        <source>координата y точки B (шарнир шатуна AB и коромысла BC)</source>
        <translation>y coordinate of point B (joint of the coupler AB and the rocker BC)</translation>
    </message>
    <message>
        <source>проекция скорости точки B на ось x</source>
        <translation>velocity of point B along the x axis</translation>
    </message>
    <message>
        <source>проекция скорости точки B на ось y</source>
        <translation>velocity of point B along the y axis</translation>
    </message>
    <message>
        <source>координата x точки D (середина шатуна AB)</source>
        <translation>x coordinate of point D (middle of the coupler AB)</translation>
    </message>
    <message>
        <source>координата y точки D (середина шатуна AB)</source>
        <translation>y coordinate of point D (middle of the coupler AB)</translation>
    </message>
    <message>
        <source>проекция скорости точки D на ось x</source>
        <translation>velocity of point D along the x axis</translation>
    </message>
    <message>
        <source>проекция скорости точки D на ось y</source>
        <translation>velocity of point D along the y axis</translation>
    </message>
    <message>
        <source>координата y ползуна E на вертикальной направляющей</source>
        <translation>y coordinate of the slider E on the vertical guide</translation>
    </message>
    <message>
        <source>скорость ползуна E вдоль направляющей (вверх — плюс)</source>
        <translation>velocity of the slider E along the guide (up is positive)</translation>
    </message>
    <message>
        <source>проекция ускорения точки A на ось x</source>
        <translation>acceleration of point A along the x axis</translation>
    </message>
    <message>
        <source>проекция ускорения точки A на ось y</source>
        <translation>acceleration of point A along the y axis</translation>
    </message>
    <message>
        <source>проекция ускорения точки B на ось x</source>
        <translation>acceleration of point B along the x axis</translation>
    </message>
    <message>
        <source>проекция ускорения точки B на ось y</source>
        <translation>acceleration of point B along the y axis</translation>
    </message>
    <message>
        <source>проекция ускорения точки D на ось x</source>
        <translation>acceleration of point D along the x axis</translation>
    </message>
    <message>
        <source>проекция ускорения точки D на ось y</source>
        <translation>acceleration of point D along the y axis</translation>
    </message>
    <message>
        <source>ускорение ползуна E вдоль направляющей (вверх — плюс)</source>
        <translation>acceleration of the slider E along the guide (up is positive)</translation>
    </message>
    <message>
        <source>угловая скорость шатуна AB</source>
        <translation>angular velocity of the coupler AB</translation>
    </message>
    <message>
        <source>угловая скорость коромысла BC</source>
        <translation>angular velocity of the rocker BC</translation>
    </message>
    <message>
        <source>угловая скорость звена DE</source>
        <translation>angular velocity of the link DE</translation>
    </message>
    <message>
        <source>угловое ускорение шатуна AB</source>
        <translation>angular acceleration of the coupler AB</translation>
    </message>
    <message>
        <source>угловое ускорение коромысла BC</source>
        <translation>angular acceleration of the rocker BC</translation>
    </message>
    <message>
        <source>угловое ускорение звена DE</source>
        <translation>angular acceleration of the link DE</translation>
    </message>
    <message>
        <source>полное ускорение точки A</source>
        <translation>total acceleration of point A</translation>
    </message>
    <message>
        <source>полное ускорение точки B</source>
        <translation>total acceleration of point B</translation>
    </message>
    <message>
        <source>полное ускорение точки D</source>
        <translation>total acceleration of point D</translation>
    </message>
    <message>
        <source>полное ускорение ползуна E</source>
        <translation>total acceleration of the slider E</translation>
    </message>
    <message>
        <source>Mб (группы Ассура)</source>
        <translation>Mb (Assur groups)</translation>
    </message>
    <message>
        <source>уравновешивающий момент на кривошипе по группам Ассура</source>
        <translation>balancing torque on the crank by the Assur groups</translation>
    </message>
    <message>
        <source>Mб (рычаг Жуковского)</source>
        <translation>Mb (Zhukovsky&apos;s lever)</translation>
    </message>
    <message>
        <source>уравновешивающий момент на кривошипе по рычагу Жуковского</source>
        <translation>balancing torque on the crank by Zhukovsky&apos;s lever</translation>
    </message>
    <message>
        <source>|R| в O</source>
        <translation>|R| at O</translation>
    </message>
    <message>
        <source>реакция стойки на кривошип в шарнире O</source>
        <translation>reaction of the frame on the crank at the joint O</translation>
    </message>
    <message>
        <source>|R| в A</source>
        <translation>|R| at A</translation>
    </message>
    <message>
        <source>реакция кривошипа на шатун в шарнире A</source>
        <translation>reaction of the crank on the coupler at the joint A</translation>
    </message>
    <message>
        <source>|R| в B</source>
        <translation>|R| at B</translation>
    </message>
    <message>
        <source>реакция шатуна на коромысло в шарнире B</source>
        <translation>reaction of the coupler on the rocker at the joint B</translation>
    </message>
    <message>
        <source>|R| в C</source>
        <translation>|R| at C</translation>
    </message>
    <message>
        <source>реакция стойки на коромысло в шарнире C</source>
        <translation>reaction of the frame on the rocker at the joint C</translation>
    </message>
    <message>
        <source>|R| в D</source>
        <translation>|R| at D</translation>
    </message>
    <message>
        <source>реакция шатуна на звено DE в шарнире D</source>
        <translation>reaction of the coupler on the link DE at the joint D</translation>
    </message>
    <message>
        <source>|R| в E</source>
        <translation>|R| at E</translation>
    </message>
    <message>
        <source>реакция звена DE на ползун в шарнире E</source>
        <translation>reaction of the link DE on the slider at the joint E</translation>
    </message>
    <message>
        <source>|N| направляющей</source>
        <translation>|N| of the guide</translation>
    </message>
    <message>
        <source>сила, с которой направляющая давит на ползун</source>
        <translation>force of the guide on the slider</translation>
    </message>
    <message>
        <source>Rij — сила, с которой звено i действует на звено j (0 — стойка, 1 — OA, 2 — AB, 3 — BC, 4 — DE, 5 — ползун), x и y — её проекции на оси</source>
        <translation>Rij is the force of link i on link j (0 the frame, 1 OA, 2 AB, 3 BC, 4 DE, 5 the slider), x and y its components along the axes</translation>
    </message>
    <message>
        <source>проекция на x реакции стойки на кривошип в шарнире O</source>
        <translation>x component of the reaction of the frame on the crank at the joint O</translation>
    </message>
    <message>
        <source>проекция на y реакции стойки на кривошип в шарнире O</source>
        <translation>y component of the reaction of the frame on the crank at the joint O</translation>
    </message>
    <message>
        <source>проекция на x реакции кривошипа на шатун в шарнире A</source>
        <translation>x component of the reaction of the crank on the coupler at the joint A</translation>
    </message>
    <message>
        <source>проекция на y реакции кривошипа на шатун в шарнире A</source>
        <translation>y component of the reaction of the crank on the coupler at the joint A</translation>
    </message>
    <message>
        <source>проекция на x реакции шатуна на коромысло в шарнире B</source>
        <translation>x component of the reaction of the coupler on the rocker at the joint B</translation>
    </message>
    <message>
        <source>проекция на y реакции шатуна на коромысло в шарнире B</source>
        <translation>y component of the reaction of the coupler on the rocker at the joint B</translation>
    </message>
    <message>
        <source>проекция на x реакции стойки на коромысло в шарнире C</source>
        <translation>x component of the reaction of the frame on the rocker at the joint C</translation>
    </message>
    <message>
        <source>проекция на y реакции стойки на коромысло в шарнире C</source>
        <translation>y component of the reaction of the frame on the rocker at the joint C</translation>
    </message>
    <message>
        <source>проекция на x реакции шатуна на звено DE в шарнире D</source>
        <translation>x component of the reaction of the coupler on the link DE at the joint D</translation>
    </message>
    <message>
        <source>проекция на y реакции шатуна на звено DE в шарнире D</source>
        <translation>y component of the reaction of the coupler on the link DE at the joint D</translation>
    </message>
    <message>
        <source>проекция на x реакции звена DE на ползун в шарнире E</source>
        <translation>x component of the reaction of the link DE on the slider at the joint E</translation>
    </message>
    <message>
        <source>проекция на y реакции звена DE на ползун в шарнире E</source>
        <translation>y component of the reaction of the link DE on the slider at the joint E</translation>
    </message>
    <message>
        <source>проекция на x силы направляющей на ползун</source>
        <translation>x component of the force of the guide on the slider</translation>
    </message>
    <message>
        <source>Jпр</source>
        <translation>Jred</translation>
    </message>
    <message>
        <source>приведённый к кривошипу момент инерции механизма</source>
        <translation>moment of inertia of the mechanism reduced to the crank</translation>
    </message>
    <message>
        <source>Mпр</source>
        <translation>Mred</translation>
    </message>
    <message>
        <source>приведённый к кривошипу момент сил тяжести и сопротивления</source>
        <translation>torque of gravity and resistance reduced to the crank</translation>
    </message>
    <message>
        <source>изменение кинетической энергии машины от φ = 0</source>
        <translation>change of the machine&apos;s kinetic energy from φ = 0</translation>
    </message>
    <message>
        <source>угловая скорость кривошипа с маховиком (установившееся движение)</source>
        <translation>angular velocity of the crank with the flywheel (steady motion)</translation>
    </message>
    <message>
        <source>угловое ускорение кривошипа с маховиком</source>
        <translation>angular acceleration of the crank with the flywheel</translation>
    </message>
    <message>
        <source>скорость точки A</source>
        <translation>velocity of point A</translation>
    </message>
    <message>
        <source>скорость точки B</source>
        <translation>velocity of point B</translation>
    </message>
    <message>
        <source>скорость точки D</source>
        <translation>velocity of point D</translation>
    </message>
    <message>
        <source>скорость ползуна E</source>
        <translation>velocity of the slider E</translation>
    </message>
    <message>
        <source>ускорение точки A</source>
        <translation>acceleration of point A</translation>
    </message>
    <message>
        <source>ускорение точки B</source>
        <translation>acceleration of point B</translation>
    </message>
    <message>
        <source>ускорение точки D</source>
        <translation>acceleration of point D</translation>
    </message>
    <message>
        <source>ускорение ползуна E</source>
        <translation>acceleration of the slider E</translation>
    </message>
    <message>
        <source>неизвестная величина «%1»; можно: %2</source>
        <translation>unknown quantity “%1”; known ones: %2</translation>
    </message>
    <message>
        <source>μl = %1 м/мм</source>
        <translation>μl = %1 m/mm</translation>
    </message>
    <message>
        <source>μv = %1 (м/с)/мм</source>
        <translation>μv = %1 (m/s)/mm</translation>
    </message>
    <message>
        <source>μa = %1 (м/с²)/мм</source>
        <translation>μa = %1 (m/s²)/mm</translation>
    </message>
    <message>
        <source>В</source>
        <translation>R</translation>
    </message>
    <message>
        <source>П</source>
        <translation>P</translation>
    </message>
    <message>
        <source>стойка</source>
        <translation>frame</translation>
    </message>
    <message>
        <source>шатун DE</source>
        <translation>connecting rod DE</translation>
    </message>
    <message>
        <source>ползун E</source>
        <translation>slider E</translation>
    </message>
    <message>
        <source>Звенья: %1.</source>
        <translation>Links: %1.</translation>
    </message>
    <message>
        <source>Кинематические пары: %1 — вращательные.</source>
        <translation>Kinematic pairs: %1 are revolute.</translation>
    </message>
    <message>
        <source>Кинематические пары: %1 — вращательные; %2 — поступательная (ползун по направляющей).</source>
        <translation>Kinematic pairs: %1 are revolute; %2 is prismatic (the slider on its guide).</translation>
    </message>
    <message>
        <source>Все пары низшие, 5-го класса (одна степень свободы в каждой).</source>
        <translation>All pairs are lower pairs of class 5 (one degree of freedom each).</translation>
    </message>
    <message>
        <source>Среди пар есть высшие, 4-го класса.</source>
        <translation>Some pairs are higher pairs of class 4.</translation>
    </message>
    <message>
        <source>Число подвижных звеньев n = %1, низших пар p5 = %2, высших пар p4 = %3.</source>
        <translation>Moving links n = %1, lower pairs p5 = %2, higher pairs p4 = %3.</translation>
    </message>
    <message>
        <source>Степень подвижности по формуле Чебышева: W = 3n − 2p5 − p4 = 3·%1 − 2·%2 − %3 = %4.</source>
        <translation>Degree of mobility by Chebyshev&apos;s formula: W = 3n − 2p5 − p4 = 3·%1 − 2·%2 − %3 = %4.</translation>
    </message>
    <message>
        <source>W = 1: движение всех звеньев задаётся одним ведущим звеном — звеном %1.</source>
        <translation>W = 1: one driving link, link %1, sets the motion of all links.</translation>
    </message>
    <message>
        <source>Начальный механизм I(0,%1): стойка 0 и ведущее звено %1; W = %2.</source>
        <translation>Primary mechanism I(0,%1): the frame 0 and the driving link %1; W = %2.</translation>
    </message>
    <message>
        <source>%1-й вид (%2)</source>
        <translation>kind %1 (%2)</translation>
    </message>
    <message>
        <source>Группа Ассура %1–%2: звенья %1 и %2, внутренняя пара %3, внешние пары %4 и %5; класс %6, порядок %7, %8; W = %9.</source>
        <translation>Assur group %1–%2: links %1 and %2, inner pair %3, outer pairs %4 and %5; class %6, order %7, %8; W = %9.</translation>
    </message>
    <message>
        <source>Оставшиеся звенья не образуют двухповодковых групп.</source>
        <translation>The remaining links form no dyads.</translation>
    </message>
    <message>
        <source>Структурная формула: %1.</source>
        <translation>Structural formula: %1.</translation>
    </message>
    <message>
        <source>Механизм %1 класса: это наивысший класс входящих в него групп Ассура.</source>
        <translation>The mechanism is of class %1: the highest class of the Assur groups it consists of.</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>м/с²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>рад/с²</source>
        <translation>rad/s²</translation>
    </message>
    <message>
        <source>Н</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>кг</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>кг·м²</source>
        <translation>kg·m²</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>кг/м</source>
        <translation>kg/m</translation>
    </message>
    <message>
        <source>против часовой стрелки</source>
        <translation>counter-clockwise</translation>
    </message>
    <message>
        <source>по часовой стрелке</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>звено не вращается</source>
        <translation>the link does not turn</translation>
    </message>
    <message>
        <source>Mб(рычаг)</source>
        <translation>Mb(lever)</translation>
    </message>
    <message>
        <source>Mб</source>
        <translation>Mb</translation>
    </message>
    <message>
        <source>Fи</source>
        <translation>Fi</translation>
    </message>
    <message>
        <source>Mи</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Fс</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source> (то же, что %1°)</source>
        <translation> (the same as %1°)</translation>
    </message>
    <message>
        <source>Схема механизма в этом положении занимает %1 × %2 м и не умещается в поле %3 мм даже в масштабе 1:50.</source>
        <translation>The scheme of the mechanism in this position takes %1 × %2 m and does not fit into a field of %3 mm even at the scale 1:50.</translation>
    </message>
    <message>
        <source>Схема механизма в этом положении занимает %1 × %2 м; в поле %3 мм она умещается в масштабе %4: %5.</source>
        <translation>The scheme of the mechanism in this position takes %1 × %2 m; it fits into a field of %3 mm at the scale %4: %5.</translation>
    </message>
    <message>
        <source>Неподвижные точки: O (0; 0), C (−lOC; 0) = (%1; 0); направляющая ползуна — вертикаль x = −lOC/2 = %2 м.</source>
        <translation>Fixed points: O (0; 0), C (−lOC; 0) = (%1; 0); the slider&apos;s guide is the vertical x = −lOC/2 = %2 m.</translation>
    </message>
    <message>
        <source>точка A на вертикали через C</source>
        <translation>point A on the vertical through C</translation>
    </message>
    <message>
        <source>направление CA</source>
        <translation>direction CA</translation>
    </message>
    <message>
        <source>угол передачи между BA и BC</source>
        <translation>transmission angle between BA and BC</translation>
    </message>
    <message>
        <source>угол при C между CA и CB</source>
        <translation>angle at C between CA and CB</translation>
    </message>
    <message>
        <source>направление CB</source>
        <translation>direction CB</translation>
    </message>
    <message>
        <source>угол при A</source>
        <translation>angle at A</translation>
    </message>
    <message>
        <source>направление AB</source>
        <translation>direction AB</translation>
    </message>
    <message>
        <source>направление ED (E ниже D)</source>
        <translation>direction ED (E below D)</translation>
    </message>
    <message>
        <source>ω1 = %1 рад/с: кривошип вращается равномерно %2.</source>
        <translation>ω1 = %1 rad/s: the crank turns uniformly %2.</translation>
    </message>
    <message>
        <source>вектор ⊥ OA в сторону вращения кривошипа</source>
        <translation>the vector ⊥ OA in the crank&apos;s sense of rotation</translation>
    </message>
    <message>
        <source>План скоростей из полюса p: наибольший отрезок не длиннее %1 мм при %2.</source>
        <translation>Velocity plan from the pole p: the longest segment is at most %1 mm at %2.</translation>
    </message>
    <message>
        <source>Все скорости равны нулю: план скоростей стягивается в точку p.</source>
        <translation>All velocities are zero: the velocity plan shrinks to the point p.</translation>
    </message>
    <message>
        <source>Из точки a проводим прямую ⊥ AB, из полюса p — прямую ⊥ BC; их пересечение — точка b. В проекциях на направления звеньев:</source>
        <translation>From the point a draw a line ⊥ AB, from the pole p a line ⊥ BC; they meet at the point b. Projected on the directions of the links:</translation>
    </message>
    <message>
        <source>Точка d делит отрезок ab плана так же, как точка D делит AB (подобие): ad/ab = lAD/lAB = 1/2.</source>
        <translation>The point d divides the plan&apos;s segment ab as the point D divides AB (similarity): ad/ab = lAD/lAB = 1/2.</translation>
    </message>
    <message>
        <source>vE = vD + vED, vED ⊥ DE; vE ∥ направляющей. Из точки d проводим прямую ⊥ DE, из полюса p — вертикаль; их пересечение — точка e.</source>
        <translation>vE = vD + vED, vED ⊥ DE; vE ∥ the guide. From the point d draw a line ⊥ DE, from the pole p the vertical; they meet at the point e.</translation>
    </message>
    <message>
        <source>ползун движется вверх</source>
        <translation>the slider moves up</translation>
    </message>
    <message>
        <source>ползун движется вниз</source>
        <translation>the slider moves down</translation>
    </message>
    <message>
        <source>ползун стоит</source>
        <translation>the slider stands still</translation>
    </message>
    <message>
        <source>Положения звеньев</source>
        <translation>Positions of the links</translation>
    </message>
    <message>
        <source>Скорости</source>
        <translation>Velocities</translation>
    </message>
    <message>
        <source>Ускорения</source>
        <translation>Accelerations</translation>
    </message>
    <message>
        <source>Силы</source>
        <translation>Forces</translation>
    </message>
    <message>
        <source>Ход решения: положение %1 из %2</source>
        <translation>Worked solution: position %1 of %2</translation>
    </message>
    <message>
        <source>ε1 = 0 (ω1 постоянна), поэтому у точки A только нормальное ускорение, направленное от A к O.</source>
        <translation>ε1 = 0 (ω1 is constant), so point A has only the normal acceleration, directed from A to O.</translation>
    </message>
    <message>
        <source>План ускорений из полюса π: наибольший отрезок не длиннее %1 мм при %2.</source>
        <translation>Acceleration plan from the pole π: the longest segment is at most %1 mm at %2.</translation>
    </message>
    <message>
        <source>Все ускорения равны нулю: план ускорений стягивается в точку π.</source>
        <translation>All accelerations are zero: the acceleration plan shrinks to the point π.</translation>
    </message>
    <message>
        <source>aB = aA + aBAⁿ + aBAᵗ;   aB = aC + aBCⁿ + aBCᵗ, aC = 0. aBAⁿ ∥ AB (от B к A), aBAᵗ ⊥ AB; aBCⁿ ∥ BC (от B к C), aBCᵗ ⊥ BC.</source>
        <translation>aB = aA + aBAⁿ + aBAᵗ;   aB = aC + aBCⁿ + aBCᵗ, aC = 0. aBAⁿ ∥ AB (from B to A), aBAᵗ ⊥ AB; aBCⁿ ∥ BC (from B to C), aBCᵗ ⊥ BC.</translation>
    </message>
    <message>
        <source>Из точки n₂ проводим прямую ⊥ AB, из точки n₃ — прямую ⊥ BC; их пересечение — точка b. В проекциях на направления звеньев:</source>
        <translation>From the point n₂ draw a line ⊥ AB, from the point n₃ a line ⊥ BC; they meet at the point b. Projected on the directions of the links:</translation>
    </message>
    <message>
        <source>Точка d — середина отрезка ab плана ускорений (подобие, как на плане скоростей).</source>
        <translation>The point d is the middle of the acceleration plan&apos;s segment ab (similarity, as on the velocity plan).</translation>
    </message>
    <message>
        <source>aE = aD + aEDⁿ + aEDᵗ; aEDⁿ ∥ DE (от E к D), aEDᵗ ⊥ DE, aE ∥ направляющей.</source>
        <translation>aE = aD + aEDⁿ + aEDᵗ; aEDⁿ ∥ DE (from E to D), aEDᵗ ⊥ DE, aE ∥ the guide.</translation>
    </message>
    <message>
        <source>направлено вверх</source>
        <translation>directed up</translation>
    </message>
    <message>
        <source>направлено вниз</source>
        <translation>directed down</translation>
    </message>
    <message>
        <source>равно нулю</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>g = %1 м/с².</source>
        <translation>g = %1 m/s².</translation>
    </message>
    <message>
        <source>сила тяжести не учитывается.</source>
        <translation>gravity is left out.</translation>
    </message>
    <message>
        <source>Нагрузки: q = %1 кг/м, m5 = %2 кг, Fс = %3 Н на рабочем ходу, ω1 = %4 рад/с, %5</source>
        <translation>Loads: q = %1 kg/m, m5 = %2 kg, Fr = %3 N on the working stroke, ω1 = %4 rad/s, %5</translation>
    </message>
    <message>
        <source>Положение на рабочем ходу: сила сопротивления Fс = %1 Н приложена к ползуну против его скорости, вверх.</source>
        <translation>A position of the working stroke: the resistance Fr = %1 N acts on the slider against its velocity, upwards.</translation>
    </message>
    <message>
        <source>Положение на рабочем ходу: сила сопротивления Fс = %1 Н приложена к ползуну против его скорости, вниз.</source>
        <translation>A position of the working stroke: the resistance Fr = %1 N acts on the slider against its velocity, downwards.</translation>
    </message>
    <message>
        <source>Положение на рабочем ходу, но ползун стоит: Fс = 0.</source>
        <translation>A position of the working stroke, but the slider stands still: Fr = 0.</translation>
    </message>
    <message>
        <source>Положение на холостом ходу: Fс = 0.</source>
        <translation>A position of the idle stroke: Fr = 0.</translation>
    </message>
    <message>
        <source>Центры масс: S1 %1 — середина OA, S2 = D, S3 %2 — середина BC, S4 %3 — середина DE, S5 = E %4.</source>
        <translation>Centres of mass: S1 %1 the middle of OA, S2 = D, S3 %2 the middle of BC, S4 %3 the middle of DE, S5 = E %4.</translation>
    </message>
    <message>
        <source>вниз</source>
        <translation>down</translation>
    </message>
    <message>
        <source>Силы инерции Fи = −m·aS приложены в центрах масс против их ускорений, моменты сил инерции Mи = −JS·ε — против угловых ускорений.</source>
        <translation>The inertia forces Fi = −m·aS act at the centres of mass against their accelerations, the inertia torques Mi = −JS·ε against the angular accelerations.</translation>
    </message>
    <message>
        <source>Группа 4–5 (шатун DE и ползун E). Неизвестны R24 в шарнире D (R24τ ⊥ DE и R24n ∥ DE), N05 — реакция направляющей (⊥ направляющей) и R45 во внутренней паре E.</source>
        <translation>Group 4–5 (the connecting rod DE and the slider E). Unknown are R24 at the joint D (R24τ ⊥ DE and R24n ∥ DE), N05, the reaction of the guide (⊥ the guide), and R45 in the inner pair E.</translation>
    </message>
    <message>
        <source>ΣM_E(звено 4) = R24τ·lDE + M_E(G4 + Fи4) + Mи4 = 0:</source>
        <translation>ΣM_E(link 4) = R24τ·lDE + M_E(G4 + Fi4) + Mi4 = 0:</translation>
    </message>
    <message>
        <source>ΣF(4, 5) = R24τ + R24n + G4 + Fи4 + G5 + Fи5 + Fс + N05 = 0; в проекциях на оси y и x:</source>
        <translation>ΣF(4, 5) = R24τ + R24n + G4 + Fi4 + G5 + Fi5 + Fr + N05 = 0; along the y and x axes:</translation>
    </message>
    <message>
        <source>вдоль оси x</source>
        <translation>along the x axis</translation>
    </message>
    <message>
        <source>Равновесие ползуна: R45 + N05 + G5 + Fи5 + Fс = 0.</source>
        <translation>Equilibrium of the slider: R45 + N05 + G5 + Fi5 + Fr = 0.</translation>
    </message>
    <message>
        <source>Группа 2–3 (шатун AB и коромысло BC). На шатун в D действует R42 = −R24; неизвестны R12 в A (R12τ ⊥ AB, R12n ∥ AB) и R03 в C (R03τ ⊥ BC, R03n ∥ BC).</source>
        <translation>Group 2–3 (the coupler AB and the rocker BC). R42 = −R24 acts on the coupler at D; unknown are R12 at A (R12τ ⊥ AB, R12n ∥ AB) and R03 at C (R03τ ⊥ BC, R03n ∥ BC).</translation>
    </message>
    <message>
        <source>ΣM_B(звено 2) = −R12τ·lAB + M_B(G2 + Fи2 + R42) + Mи2 = 0:</source>
        <translation>ΣM_B(link 2) = −R12τ·lAB + M_B(G2 + Fi2 + R42) + Mi2 = 0:</translation>
    </message>
    <message>
        <source>ΣM_B(звено 3) = −R03τ·lBC + M_B(G3 + Fи3) + Mи3 = 0:</source>
        <translation>ΣM_B(link 3) = −R03τ·lBC + M_B(G3 + Fi3) + Mi3 = 0:</translation>
    </message>
    <message>
        <source>ΣF(2, 3) = R12τ + R12n + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n = 0; направления R12n и R03n известны, их величины дают план сил группы (или две проекции):</source>
        <translation>ΣF(2, 3) = R12τ + R12n + G2 + Fi2 + R42 + G3 + Fi3 + R03τ + R03n = 0; the directions of R12n and R03n are known, the group&apos;s force plan (or two projections) gives their magnitudes:</translation>
    </message>
    <message>
        <source>вдоль AB</source>
        <translation>along AB</translation>
    </message>
    <message>
        <source>вдоль CB</source>
        <translation>along CB</translation>
    </message>
    <message>
        <source>Равновесие шатуна: R32 = −(R12 + G2 + Fи2 + R42), R23 = −R32:</source>
        <translation>Equilibrium of the coupler: R32 = −(R12 + G2 + Fi2 + R42), R23 = −R32:</translation>
    </message>
    <message>
        <source>Кривошип OA: в A на него действует R21 = −R12, в S1 — G1 и Fи1, в O — реакция стойки R01, и уравновешивающий момент Mб.</source>
        <translation>Crank OA: R21 = −R12 acts on it at A, G1 and Fi1 at S1, the frame&apos;s reaction R01 at O, and the balancing torque Mb.</translation>
    </message>
    <message>
        <source>Проверка по рычагу Жуковского: сумма мощностей всех сил и моментов равна нулю, Mб·ω1 + ΣN = 0, где N = F·vS для сил и N = M·ω для моментов.</source>
        <translation>Check by Zhukovsky&apos;s lever: the powers of all forces and torques add up to zero, Mb·ω1 + ΣN = 0, where N = F·vS for a force and N = M·ω for a torque.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>Папка %1 не существует. Создайте её или выберите другую.</source>
        <translation>The folder %1 does not exist. Create it or choose another one.</translation>
    </message>
    <message>
        <source>%1 — это файл, а не папка.</source>
        <translation>%1 is a file, not a folder.</translation>
    </message>
    <message>
        <source>В папку %1 нельзя записывать (нет прав на запись). Выберите другую папку.</source>
        <translation>The folder %1 cannot be written to (no write permission). Choose another folder.</translation>
    </message>
    <message>
        <source>Не указано имя файла для записи.</source>
        <translation>No file name to write to.</translation>
    </message>
    <message>
        <source>папка %1 не существует.</source>
        <translation>the folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 — это не папка.</source>
        <translation>%1 is not a folder.</translation>
    </message>
    <message>
        <source>под этим именем уже есть папка.</source>
        <translation>a folder of that name exists.</translation>
    </message>
    <message>
        <source>файл защищён от записи.</source>
        <translation>the file is write-protected.</translation>
    </message>
    <message>
        <source>нет прав на запись в папку %1.</source>
        <translation>no write permission in the folder %1.</translation>
    </message>
    <message>
        <source>ошибка при записи.</source>
        <translation>a write error.</translation>
    </message>
    <message>
        <source>записано не всё, файл не изменён (%1). Освободите место на диске или выберите другую папку.</source>
        <translation>not everything was written, the file is unchanged (%1). Free some disk space or choose another folder.</translation>
    </message>
    <message>
        <source>ошибка записи</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>файл не удалось создать (%1).</source>
        <translation>the file could not be created (%1).</translation>
    </message>
    <message>
        <source>Положения задаются двумя номерами от 0 до %1 через запятую, например 2,8.</source>
        <translation>Give the positions as two numbers from 0 to %1 separated by a comma, for example 2,8.</translation>
    </message>
    <message>
        <source>Диагрнамма скоростей т. Е</source>
        <translation>Velocity diagram of point E</translation>
    </message>
    <message>
        <source>Угол</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Скорости</source>
        <translation>Velocities</translation>
    </message>
    <message>
        <source>Диагрнамма перемещений Xa</source>
        <translation>Displacement diagram Xa</translation>
    </message>
    <message>
        <source>Перемещения</source>
        <translation>Displacements</translation>
    </message>
    <message>
        <source>Траектория движения т. D</source>
        <translation>Path of point D</translation>
    </message>
    <message>
        <source>График изменения max угла передачи</source>
        <translation>Max transmission angle against BC</translation>
    </message>
    <message>
        <source>Длина ВС</source>
        <translation>Length BC</translation>
    </message>
    <message>
        <source>Мax угол передачи </source>
        <translation>Max transmission angle </translation>
    </message>
    <message>
        <source>График изменения max скорости Ve</source>
        <translation>Max velocity Ve against BC</translation>
    </message>
    <message>
        <source>Max скорость  Ve</source>
        <translation>Max velocity  Ve</translation>
    </message>
    <message>
        <source>График изменения min  угла передачи</source>
        <translation>Min transmission angle against BC</translation>
    </message>
    <message>
        <source>Min  угол передачи</source>
        <translation>Min  transmission angle</translation>
    </message>
    <message>
        <source>Уравновешивающий момент Mб</source>
        <translation>Balancing torque Mb</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
    <message>
        <source>Mб, Н·м</source>
        <translation>Mb, N·m</translation>
    </message>
    <message>
        <source>Красная линия — по группам Ассура, синяя — по рычагу Жуковского; они должны совпадать.</source>
        <translation>Red line: by the Assur groups, blue: by Zhukovsky&apos;s lever; they must coincide.</translation>
    </message>
    <message>
        <source>не удалось записать файл DXF.</source>
        <translation>could not write the DXF file.</translation>
    </message>
    <message>
        <source>Приведённый момент сил Mпр и движущий момент Mд</source>
        <translation>Reduced torque Mred and driving torque Md</translation>
    </message>
    <message>
        <source>M, Н·м</source>
        <translation>M, N·m</translation>
    </message>
    <message>
        <source>Работы Aд, Aс и изменение кинетической энергии ΔT</source>
        <translation>Works Ad, Ar and the change of kinetic energy ΔT</translation>
    </message>
    <message>
        <source>A, Дж</source>
        <translation>A, J</translation>
    </message>
    <message>
        <source>Приведённый момент инерции Jпр</source>
        <translation>Reduced moment of inertia Jred</translation>
    </message>
    <message>
        <source>Jпр, кг·м²</source>
        <translation>Jred, kg·m²</translation>
    </message>
    <message>
        <source>Диаграмма энергия – масса ΔT(Jпр)</source>
        <translation>Energy–mass diagram ΔT(Jred)</translation>
    </message>
    <message>
        <source>ΔT, Дж</source>
        <translation>ΔT, J</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа ω1 с маховиком</source>
        <translation>Crank angular velocity ω1 with the flywheel</translation>
    </message>
    <message>
        <source>ω1, рад/с</source>
        <translation>ω1, rad/s</translation>
    </message>
    <message>
        <source>Красная линия — приведённый момент сил тяжести и сопротивления Mпр, синяя — постоянный движущий момент Mд (Mпр &gt; 0 помогает кривошипу).</source>
        <translation>Red line: the reduced torque of gravity and resistance Mred, blue: the constant driving torque Md (Mred &gt; 0 helps the crank).</translation>
    </message>
    <message>
        <source>Синяя — работа движущего момента Aд, красная — работа сил сопротивления и тяжести Aс, зелёная — ΔT = Aд + Aс; за цикл Aд + Aс = 0.</source>
        <translation>Blue: the work of the driving torque Ad, red: the work of resistance and gravity Ar, green: ΔT = Ad + Ar; over a cycle Ad + Ar = 0.</translation>
    </message>
    <message>
        <source>Jпр = Σ(m·vS² + JS·ω²) + m5·vE² при ω1 = 1 рад/с.</source>
        <translation>Jred = Σ(m·vS² + JS·ω²) + m5·vE² at ω1 = 1 rad/s.</translation>
    </message>
    <message>
        <source>Красная — кривая ΔT(Jпр) за оборот; синие — касательные Виттенбауэра с tg ψ = ωср²(1 ± δ)/2. Они отсекают на оси ΔT отрезок ab, Jм = ab/(δ·ωср²).</source>
        <translation>Red: the curve ΔT(Jred) over a turn; blue: Wittenbauer&apos;s tangents with tg ψ = ωm²(1 ± δ)/2. They cut the segment ab off the ΔT axis, Jf = ab/(δ·ωm²).</translation>
    </message>
    <message>
        <source>Красная — ω1(φ) с маховиком точного расчёта; синие — ωmax и ωmin, зелёная — ωср = (ωmax + ωmin)/2.</source>
        <translation>Red: ω1(φ) with the flywheel of the exact computation; blue: ωmax and ωmin, green: ωm = (ωmax + ωmin)/2.</translation>
    </message>
    <message>
        <source> при φ = </source>
        <translation> at φ = </translation>
    </message>
    <message>
        <source>Движущий момент Mд</source>
        <translation>Driving torque Md</translation>
    </message>
    <message>
        <source>Наибольшее ΔT</source>
        <translation>Largest ΔT</translation>
    </message>
    <message>
        <source>Наименьшее ΔT</source>
        <translation>Smallest ΔT</translation>
    </message>
    <message>
        <source>Размах ΔTmax − ΔTmin</source>
        <translation>Range ΔTmax − ΔTmin</translation>
    </message>
    <message>
        <source>Jм точно (ωmax − ωmin = δ·ωср)</source>
        <translation>Jf exact (ωmax − ωmin = δ·ωm)</translation>
    </message>
    <message>
        <source>Jм по Виттенбауэру, tg ψ = ωср²(1 ± δ)/2</source>
        <translation>Jf by Wittenbauer, tg ψ = ωm²(1 ± δ)/2</translation>
    </message>
    <message>
        <source>  разница с точным</source>
        <translation>  difference from the exact</translation>
    </message>
    <message>
        <source>Jм ≈ (ΔTmax − ΔTmin)/(δ·ωср²)</source>
        <translation>Jf ≈ (ΔTmax − ΔTmin)/(δ·ωm²)</translation>
    </message>
    <message>
        <source>Достигнутый δ</source>
        <translation>Achieved δ</translation>
    </message>
    <message>
        <source>ωср = (ωmax + ωmin)/2</source>
        <translation>ωm = (ωmax + ωmin)/2</translation>
    </message>
    <message>
        <source>ε1 наибольшее</source>
        <translation>ε1 largest</translation>
    </message>
    <message>
        <source>ε1 наименьшее</source>
        <translation>ε1 smallest</translation>
    </message>
    <message>
        <source>Маховик-диск (сталь)</source>
        <translation>Disc flywheel (steel)</translation>
    </message>
    <message>
        <source>Маховик-обод (сталь)</source>
        <translation>Rim flywheel (steel)</translation>
    </message>
    <message>
        <source> Н·м</source>
        <translation> N·m</translation>
    </message>
    <message>
        <source> Дж</source>
        <translation> J</translation>
    </message>
    <message>
        <source> кг·м²</source>
        <translation> kg·m²</translation>
    </message>
    <message>
        <source> (маховик не нужен)</source>
        <translation> (no flywheel needed)</translation>
    </message>
    <message>
        <source> (задан </source>
        <translation> (given </translation>
    </message>
    <message>
        <source> рад/с</source>
        <translation> rad/s</translation>
    </message>
    <message>
        <source> рад/с²</source>
        <translation> rad/s²</translation>
    </message>
    <message>
        <source>не удалось построить изображение PNG.</source>
        <translation>could not make the PNG image.</translation>
    </message>
    <message>
        <source>не удалось построить рисунок SVG.</source>
        <translation>could not make the SVG picture.</translation>
    </message>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source>Страница %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source> (каждое %1-е положение из %2, строк: %3; все положения — в таблице CSV)</source>
        <translation> (every %1th position of %2, rows: %3; all positions are in the CSV table)</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Длина кривошипа OA: Loa = %1</source>
        <translation>Length of the crank OA: Loa = %1</translation>
    </message>
    <message>
        <source>Длина шатуна AB: Lab = %1</source>
        <translation>Length of the coupler AB: Lab = %1</translation>
    </message>
    <message>
        <source>Длина коромысла BC (введённая): Lbc = %1</source>
        <translation>Length of the rocker BC (as typed): Lbc = %1</translation>
    </message>
    <message>
        <source>Длина звена DE: Lde = %1</source>
        <translation>Length of the link DE: Lde = %1</translation>
    </message>
    <message>
        <source>Расстояние между опорами O и C: Loc = %1</source>
        <translation>Distance between the supports O and C: Loc = %1</translation>
    </message>
    <message>
        <source>Число положений кривошипа: N = %1</source>
        <translation>Number of crank positions: N = %1</translation>
    </message>
    <message>
        <source>Выбор длины коромысла</source>
        <translation>Choice of the rocker length</translation>
    </message>
    <message>
        <source>Исследование длины коромысла BC от 0,591 до 0,9 м выбрало длину, при которой скорость ползуна E наибольшая:</source>
        <translation>The study of the rocker length BC from 0,591 to 0,9 m chose the length at which the slider E is fastest:</translation>
    </message>
    <message>
        <source>Подбор длины коромысла выключен: исследование выбрало бы Lbc = %1, но механизм рассчитан с введённой длиной:</source>
        <translation>Choosing the rocker length is off: the study would choose Lbc = %1, but the mechanism is computed with the typed length:</translation>
    </message>
    <message>
        <source>Все завершённые расчёты исследования (%1) заклинивают механизм; длина коромысла осталась введённой:</source>
        <translation>Every finished run of the study (%1) jams the mechanism; the rocker keeps the typed length:</translation>
    </message>
    <message>
        <source>Ни один расчёт исследования не завершился; длина коромысла осталась прежней:</source>
        <translation>No run of the study finished; the rocker keeps its length:</translation>
    </message>
    <message>
        <source>Пропущено длин, при которых механизм заклинивает (угол передачи ближе 1° к 0° или 180°): %1.</source>
        <translation>Lengths skipped because the mechanism jams (transmission angle within 1° of 0° or 180°): %1.</translation>
    </message>
    <message>
        <source>Принятая длина коромысла: Lbc = %1</source>
        <translation>Rocker length used: Lbc = %1</translation>
    </message>
    <message>
        <source>Таблица, диаграммы и рисунки ниже построены для этой длины коромысла.</source>
        <translation>The table, diagrams and pictures below are made for this rocker length.</translation>
    </message>
    <message>
        <source>Мёртвые положения механизма</source>
        <translation>Dead positions of the mechanism</translation>
    </message>
    <message>
        <source>Крайние положения ползуна: %1°, %2°</source>
        <translation>Extreme positions of the slider: %1°, %2°</translation>
    </message>
    <message>
        <source>Перебор угла кривошипа через 1° при Lbc = %1 мёртвых положений не нашёл.</source>
        <translation>Scanning the crank angle in steps of 1° at Lbc = %1 found no dead positions.</translation>
    </message>
    <message>
        <source>Перебор угла кривошипа через 1° при Lbc = %1 (введённая длина коромысла): углы, при которых скорость ползуна E меньше 0,001 м/с:</source>
        <translation>Scanning the crank angle in steps of 1° at Lbc = %1 (the typed rocker length): the angles at which the slider E moves slower than 0,001 m/s:</translation>
    </message>
    <message>
        <source>%1) %2 рад = %3°</source>
        <translation>%1) %2 rad = %3°</translation>
    </message>
    <message>
        <source>Характеристики не рассчитаны: %1</source>
        <translation>Characteristics not computed: %1</translation>
    </message>
    <message>
        <source>Кривошип не может сделать полный оборот (механизм не собирается при угле %1°): характеристик нет.</source>
        <translation>The crank cannot make a full turn (the mechanism cannot be assembled at the angle %1°): no characteristics.</translation>
    </message>
    <message>
        <source>Ход ползуна E: H = %1 м</source>
        <translation>Stroke of the slider E: H = %1 m</translation>
    </message>
    <message>
        <source>Коэффициент изменения средней скорости: K = %1</source>
        <translation>Time ratio (advance-to-return): K = %1</translation>
    </message>
    <message>
        <source>Угол передачи: γmin = %1°, γmax = %2°</source>
        <translation>Transmission angle: γmin = %1°, γmax = %2°</translation>
    </message>
    <message>
        <source>Наименьший угол передачи μmin = %1° (острый угол μ = min(γ, 180° − γ))</source>
        <translation>Smallest transmission angle μmin = %1° (the acute angle μ = min(γ, 180° − γ))</translation>
    </message>
    <message>
        <source>Крайние положения ползуна при углах поворота кривошипа %1° и %2°</source>
        <translation>Extreme positions of the slider at the crank angles %1° and %2°</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна: %1 м/с при ω1 = %2 рад/с</source>
        <translation>Largest slider velocity: %1 m/s at ω1 = %2 rad/s</translation>
    </message>
    <message>
        <source>Ползун меняет направление %1 %3 за оборот: при φ = %2. Ход H — между самым низким и самым высоким положениями; рабочий ход — более длинный из двух поворотов кривошипа между ними (K = φраб / φхол), и Fс действует на всём рабочем ходе, в том числе там, где ползун временно идёт назад.</source>
        <translation>The slider changes direction %1 %3 per turn: at φ = %2. The stroke H lies between the lowest and the highest positions; the working stroke is the longer of the two crank turns between them (K = φw / φi), and Fr acts over the whole working stroke, also where the slider briefly goes back.</translation>
    </message>
    <message>
        <source>раза</source>
        <translation>times</translation>
    </message>
    <message>
        <source>раз</source>
        <translation>times</translation>
    </message>
    <message>
        <source>Характеристики механизма</source>
        <translation>Characteristics of the mechanism</translation>
    </message>
    <message>
        <source>Результаты расчёта</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Механизм не удалось собрать ни в одном положении: таблица пуста.</source>
        <translation>The mechanism could not be assembled in any position: the table is empty.</translation>
    </message>
    <message>
        <source>Результаты расчёта: точки A и B</source>
        <translation>Results: points A and B</translation>
    </message>
    <message>
        <source>Результаты расчёта: точки D и E</source>
        <translation>Results: points D and E</translation>
    </message>
    <message>
        <source>Результаты расчёта (продолжение)</source>
        <translation>Results (continued)</translation>
    </message>
    <message>
        <source>Диаграммы</source>
        <translation>Diagrams</translation>
    </message>
    <message>
        <source>План скоростей и положение механизма (положение %1, угол поворота кривошипа %2°)</source>
        <translation>Velocity plan and position of the mechanism (position %1, crank angle %2°)</translation>
    </message>
    <message>
        <source>Слева — план скоростей, справа — механизм в этом положении с траекториями точек.</source>
        <translation>Left: the velocity plan; right: the mechanism in this position with the paths of its points.</translation>
    </message>
    <message>
        <source>Планы выбранных положений</source>
        <translation>Plans of the chosen positions</translation>
    </message>
    <message>
        <source>Положение %1 (φ = %2°)</source>
        <translation>Position %1 (φ = %2°)</translation>
    </message>
    <message>
        <source>, рабочий ход</source>
        <translation>, working stroke</translation>
    </message>
    <message>
        <source>, холостой ход</source>
        <translation>, idle stroke</translation>
    </message>
    <message>
        <source>Слева — план ускорений, в середине — план сил группы 2–3, справа — рычаг Жуковского; масштабы подписаны на рисунках.</source>
        <translation>Left: the acceleration plan; middle: the force plan of group 2–3; right: Zhukovsky&apos;s lever; the scales are written on the pictures.</translation>
    </message>
    <message>
        <source>План ускорений; масштаб подписан на рисунке.</source>
        <translation>The acceleration plan; the scale is written on the picture.</translation>
    </message>
    <message>
        <source>Учебное заведение: ________________________</source>
        <translation>Institution: ________________________</translation>
    </message>
    <message>
        <source>Курсовой проект по теории механизмов и машин

</source>
        <translation>Course project in the theory of machines and mechanisms

</translation>
    </message>
    <message>
        <source>Loa = %1 м, Lab = %2 м, Lbc = %3 м, Lde = %4 м, Loc = %5 м</source>
        <translation>Loa = %1 m, Lab = %2 m, Lbc = %3 m, Lde = %4 m, Loc = %5 m</translation>
    </message>
    <message>
        <source>Вариант: </source>
        <translation>Variant: </translation>
    </message>
    <message>
        <source>Выполнил: </source>
        <translation>Student: </translation>
    </message>
    <message>
        <source>Группа: </source>
        <translation>Group: </translation>
    </message>
    <message>
        <source>Проверил: </source>
        <translation>Checked by: </translation>
    </message>
    <message>
        <source>Дата: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>учитывается</source>
        <translation>is taken into account</translation>
    </message>
    <message>
        <source>не учитывается</source>
        <translation>is left out</translation>
    </message>
    <message>
        <source>Силовой анализ</source>
        <translation>Force analysis</translation>
    </message>
    <message>
        <source>Силовой анализ не выполнен: %1</source>
        <translation>Force analysis not done: %1</translation>
    </message>
    <message>
        <source>Масса каждого стержня равна q·l при q = %1 кг/м; центр масс — в середине звена (у шатуна — точка D), момент инерции m·l²/12.</source>
        <translation>Each bar&apos;s mass is q·l with q = %1 kg/m; the centre of mass is the middle of the link (point D for the coupler), the moment of inertia m·l²/12.</translation>
    </message>
    <message>
        <source>Масса ползуна E: m5 = %1 кг.</source>
        <translation>Mass of the slider E: m5 = %1 kg.</translation>
    </message>
    <message>
        <source>Сила полезного сопротивления Fс = %1 Н действует на ползун против его скорости на рабочем ходе и равна нулю на холостом.</source>
        <translation>The useful resistance Fr = %1 N acts on the slider against its velocity on the working stroke and is zero on the idle stroke.</translation>
    </message>
    <message>
        <source>Сила полезного сопротивления не приложена (Fс = 0): кривошип не проворачивается на полный оборот, поэтому рабочий ход ползуна не определён.</source>
        <translation>No useful resistance is applied (Fr = 0): the crank does not make a full turn, so the slider&apos;s working stroke is undefined.</translation>
    </message>
    <message>
        <source>Сила тяжести (g = 9,81 м/с²) %1; трения нет.</source>
        <translation>Gravity (g = 9,81 m/s²) %1; no friction.</translation>
    </message>
    <message>
        <source>Кривошип вращается против часовой стрелки с постоянной угловой скоростью ω1 = %1 рад/с.</source>
        <translation>The crank turns counter-clockwise at the constant angular velocity ω1 = %1 rad/s.</translation>
    </message>
    <message>
        <source>Уравновешивающий момент Mб найден дважды: кинетостатикой по группам Ассура и по рычагу Жуковского (балансу мощностей).</source>
        <translation>The balancing torque Mb is found twice: by kinetostatics of the Assur groups and by Zhukovsky&apos;s lever (the power balance).</translation>
    </message>
    <message>
        <source>Наибольшая разность Mб двух методов: %1 Н·м.</source>
        <translation>Largest difference of Mb by the two methods: %1 N·m.</translation>
    </message>
    <message>
        <source>Уравновешивающий момент по положениям</source>
        <translation>Balancing torque by position</translation>
    </message>
    <message>
        <source>Mб по группам Ассура (широкая красная линия) и по рычагу Жуковского (узкая синяя) при 180 положениях кривошипа: кривые должны совпадать.</source>
        <translation>Mb by the Assur groups (wide red line) and by Zhukovsky&apos;s lever (narrow blue) at 180 crank positions: the curves must coincide.</translation>
    </message>
    <message>
        <source>Динамический анализ</source>
        <translation>Dynamic analysis</translation>
    </message>
    <message>
        <source>Нагрузки — те же, что в силовом анализе; средняя угловая скорость кривошипа ωср = %1 рад/с, коэффициент неравномерности δ = %2. Jпр и Mпр приведены к кривошипу, Mд = −(1/2π)∫Mпр dφ, ΔT = Aд + Aс.</source>
        <translation>The loads are those of the force analysis; the crank&apos;s mean angular velocity ωm = %1 rad/s, the coefficient of speed fluctuation δ = %2. Jred and Mred are reduced to the crank, Md = −(1/2π)∫Mred dφ, ΔT = Ad + Ar.</translation>
    </message>
    <message>
        <source>Динамика по положениям</source>
        <translation>Dynamics by position</translation>
    </message>
    <message>
        <source>Ускорения</source>
        <translation>Accelerations</translation>
    </message>
    <message>
        <source>Ускорения не рассчитаны: %1</source>
        <translation>Accelerations not computed: %1</translation>
    </message>
    <message>
        <source>Структурный анализ</source>
        <translation>Structural analysis</translation>
    </message>
    <message>
        <source>Проверка Грасгофа и проворачиваемость</source>
        <translation>Grashof&apos;s check and full rotation</translation>
    </message>
    <message>
        <source>Ход решения не составлен: %1</source>
        <translation>Worked solution not made: %1</translation>
    </message>
    <message>
        <source>Ход решения</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>не удалось начать документ PDF.</source>
        <translation>could not start the PDF document.</translation>
    </message>
    <message>
        <source>запись отменена.</source>
        <translation>writing cancelled.</translation>
    </message>
    <message>
        <source>не удалось завершить документ PDF.</source>
        <translation>could not finish the PDF document.</translation>
    </message>
    <message>
        <source>Кинематический анализ шарнирно-рычажного механизма</source>
        <translation>Kinematic analysis of a linkage mechanism</translation>
    </message>
    <message>
        <source>Jпр</source>
        <translation>Jred</translation>
    </message>
    <message>
        <source>кг·м²</source>
        <translation>kg·m²</translation>
    </message>
    <message>
        <source>Приведённый момент инерции</source>
        <translation>Reduced moment of inertia</translation>
    </message>
    <message>
        <source>Mпр</source>
        <translation>Mred</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>Приведённый момент сил</source>
        <translation>Reduced torque</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Работы: движущих сил (основная), сопротивления (тонкая)</source>
        <translation>Works: driving (main line), resistance (thin line)</translation>
    </message>
    <message>
        <source>Приращение кинетической энергии</source>
        <translation>Increment of kinetic energy</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа с маховиком</source>
        <translation>Crank angular velocity with the flywheel</translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ = </source>
        <translation>Coefficient of speed fluctuation δ = </translation>
    </message>
    <message>
        <source>ωср = </source>
        <translation>ωm = </translation>
    </message>
    <message>
        <source> рад/с;  Mд = </source>
        <translation> rad/s;  Md = </translation>
    </message>
    <message>
        <source>Jм (точно) = </source>
        <translation>Jf (exact) = </translation>
    </message>
    <message>
        <source>Jм (Виттенбауэр) = </source>
        <translation>Jf (Wittenbauer) = </translation>
    </message>
    <message>
        <source>Jм (упрощённо) = </source>
        <translation>Jf (simplified) = </translation>
    </message>
    <message>
        <source>Диск: D = </source>
        <translation>Disc: D = </translation>
    </message>
    <message>
        <source> м, b = </source>
        <translation> m, b = </translation>
    </message>
    <message>
        <source> м, m = </source>
        <translation> m, m = </translation>
    </message>
    <message>
        <source> кг</source>
        <translation> kg</translation>
    </message>
    <message>
        <source>Обод: D = </source>
        <translation>Rim: D = </translation>
    </message>
    <message>
        <source> рад/с, δ достигнутый = </source>
        <translation> rad/s, δ achieved = </translation>
    </message>
    <message>
        <source>Маховик</source>
        <translation>Flywheel</translation>
    </message>
    <message>
        <source>Рычаг Жуковского, </source>
        <translation>Zhukovsky&apos;s lever, </translation>
    </message>
    <message>
        <source>Fи1</source>
        <translation>Fi1</translation>
    </message>
    <message>
        <source>Fи2</source>
        <translation>Fi2</translation>
    </message>
    <message>
        <source>Fи3</source>
        <translation>Fi3</translation>
    </message>
    <message>
        <source>Fи4</source>
        <translation>Fi4</translation>
    </message>
    <message>
        <source>Fи5</source>
        <translation>Fi5</translation>
    </message>
    <message>
        <source>Fс</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>рычаг: </source>
        <translation>lever: </translation>
    </message>
    <message>
        <source>Н</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Mб (группы) = </source>
        <translation>Mb (groups) = </translation>
    </message>
    <message>
        <source> Н·м;  Mб (рычаг) = </source>
        <translation> N·m;  Mb (lever) = </translation>
    </message>
    <message>
        <source>Mи4</source>
        <translation>Mi4</translation>
    </message>
    <message>
        <source>Группа 4–5</source>
        <translation>Group 4–5</translation>
    </message>
    <message>
        <source>Mи2</source>
        <translation>Mi2</translation>
    </message>
    <message>
        <source>Mи3</source>
        <translation>Mi3</translation>
    </message>
    <message>
        <source>Группа 2–3</source>
        <translation>Group 2–3</translation>
    </message>
    <message>
        <source>Mб</source>
        <translation>Mb</translation>
    </message>
    <message>
        <source>Кривошип</source>
        <translation>Crank</translation>
    </message>
    <message>
        <source>М </source>
        <translation>Scale </translation>
    </message>
    <message>
        <source>Положение </source>
        <translation>Position </translation>
    </message>
    <message>
        <source>рабочий ход</source>
        <translation>working stroke</translation>
    </message>
    <message>
        <source>холостой ход</source>
        <translation>idle stroke</translation>
    </message>
    <message>
        <source>;  нагрузки </source>
        <translation>;  loads </translation>
    </message>
    <message>
        <source>План сил группы 4–5</source>
        <translation>Force plan of group 4–5</translation>
    </message>
    <message>
        <source>План сил группы 2–3</source>
        <translation>Force plan of group 2–3</translation>
    </message>
    <message>
        <source>План сил кривошипа</source>
        <translation>Force plan of the crank</translation>
    </message>
    <message>
        <source> (планы)</source>
        <translation> (plans)</translation>
    </message>
    <message>
        <source>Планы сил: </source>
        <translation>Force plans: </translation>
    </message>
    <message>
        <source>Mб: по группам — основная линия, по рычагу — тонкая</source>
        <translation>Mb: by the groups the main line, by the lever the thin one</translation>
    </message>
    <message>
        <source>крайнее (φ = </source>
        <translation>extreme (φ = </translation>
    </message>
    <message>
        <source>положение </source>
        <translation>position </translation>
    </message>
    <message>
        <source>Длины отрезков планов, мм</source>
        <translation>Lengths of the plans&apos; segments, mm</translation>
    </message>
    <message>
        <source>Отрезок</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>пол. </source>
        <translation>pos. </translation>
    </message>
    <message>
        <source>План скоростей, </source>
        <translation>Velocity plan, </translation>
    </message>
    <message>
        <source>План ускорений, </source>
        <translation>Acceleration plan, </translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>м/с²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>Кинематический анализ</source>
        <translation>Kinematic analysis</translation>
    </message>
    <message>
        <source>Разраб.</source>
        <translation>Drawn</translation>
    </message>
    <message>
        <source>Пров.</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Масштабы:</source>
        <translation>Scales:</translation>
    </message>
    <message>
        <source>Лист</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Листов</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>Курсовой проект</source>
        <translation>Course project</translation>
    </message>
    <message>
        <source>по ТММ</source>
        <translation>in TMM</translation>
    </message>
    <message>
        <source>Формат </source>
        <translation>Format </translation>
    </message>
    <message>
        <source>Вариант </source>
        <translation>Variant </translation>
    </message>
    <message>
        <source>/мм</source>
        <translation>/mm</translation>
    </message>
    <message>
        <source>Лист %1</source>
        <translation>Sheet %1</translation>
    </message>
    <message>
        <source>Анализ шарнирно-рычажного механизма</source>
        <translation>Analysis of a linkage mechanism</translation>
    </message>
    <message>
        <source> с ошибками</source>
        <translation> with errors</translation>
    </message>
    <message>
        <source>похоже на UTF-16 без метки порядка байтов</source>
        <translation>looks like UTF-16 without a byte order mark</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Число положений схемы — целое от 1 до %1.</source>
        <translation>The number of the scheme&apos;s positions is a whole number from 1 to %1.</translation>
    </message>
    <message>
        <source>Схема механизма в %1 положении, </source>
        <translation>Scheme of the mechanism in %1 position, </translation>
    </message>
    <message>
        <source>Схема механизма в %1 положениях, </source>
        <translation>Scheme of the mechanism in %1 positions, </translation>
    </message>
</context>
</TS>
