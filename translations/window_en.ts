<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AccelerationsTab</name>
    <message>
        <source>Характеристики появятся после расчёта (кнопка «Рассчитать»).</source>
        <translation>The characteristics appear after a calculation (the button “Calculate”).</translation>
    </message>
    <message>
        <source>Ползун меняет направление %1 %8 за оборот, при φ = %2: кроме крайних положений он возвращается ещё при φ = %3. Ход H — между самым низким (φ = %4) и самым высоким (φ = %5) положениями; рабочий ход — более длинный из двух поворотов кривошипа между ними, K = φраб / φхол; Fс действует на всём рабочем ходе (от φ = %6 на %7), в том числе там, где ползун временно идёт назад.</source>
        <translation>The slider changes direction %1 %8 per turn, at φ = %2: besides the extreme positions it also turns back at φ = %3. The stroke H lies between the lowest (φ = %4) and the highest (φ = %5) positions; the working stroke is the longer of the two crank turns between them, K = φwork / φidle; Fc acts over the whole working stroke (from φ = %6 through %7), including where the slider moves back for a while.</translation>
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
        <source>ω1, рад/с</source>
        <translation>ω1, rad/s</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа (постоянная, против часовой стрелки)</source>
        <translation>Angular velocity of the crank (constant, counter-clockwise)</translation>
    </message>
    <message>
        <source>Масштаб плана ускорений</source>
        <translation>Acceleration plan scale</translation>
    </message>
    <message>
        <source>Пикселей на 1 м/с²</source>
        <translation>Pixels per 1 m/s²</translation>
    </message>
    <message>
        <source>План ускорений и характеристики</source>
        <translation>Acceleration plan and characteristics</translation>
    </message>
    <message>
        <source>Диаграммы точки E</source>
        <translation>Diagrams of point E</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Характеристики механизма</source>
        <translation>Characteristics of the mechanism</translation>
    </message>
    <message>
        <source>π — полюс; πa, πb, πd, πe — ускорения точек; синие — нормальные, зелёные — касательные составляющие относительных ускорений; n1, n2, n3 — концы нормальных составляющих aBA, aBC, aED</source>
        <translation>π is the pole; πa, πb, πd, πe are the accelerations of the points; blue: normal, green: tangential components of the relative accelerations; n1, n2, n3 are the ends of the normal components aBA, aBC, aED</translation>
    </message>
    <message>
        <source>Ход ползуна H</source>
        <translation>Slider stroke H</translation>
    </message>
    <message>
        <source>Коэффициент изменения средней скорости K</source>
        <translation>Time ratio (mean speed ratio) K</translation>
    </message>
    <message>
        <source>Крайнее положение ползуна 1, φ</source>
        <translation>Extreme slider position 1, φ</translation>
    </message>
    <message>
        <source>Крайнее положение ползуна 2, φ</source>
        <translation>Extreme slider position 2, φ</translation>
    </message>
    <message>
        <source>Угол рабочего хода</source>
        <translation>Working stroke angle</translation>
    </message>
    <message>
        <source>Угол холостого хода</source>
        <translation>Idle stroke angle</translation>
    </message>
    <message>
        <source>Наименьший угол передачи γ</source>
        <translation>Smallest transmission angle γ</translation>
    </message>
    <message>
        <source>Наибольший угол передачи γ</source>
        <translation>Largest transmission angle γ</translation>
    </message>
    <message>
        <source>Наименьший угол передачи μmin</source>
        <translation>Smallest transmission angle μmin</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна</source>
        <translation>Largest slider velocity</translation>
    </message>
    <message>
        <source>Наибольшее ускорение ползуна</source>
        <translation>Largest slider acceleration</translation>
    </message>
    <message>
        <source>Перемещение ползуна E</source>
        <translation>Displacement of slider E</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
    <message>
        <source>sE, м</source>
        <translation>sE, m</translation>
    </message>
    <message>
        <source>Скорость ползуна E</source>
        <translation>Velocity of slider E</translation>
    </message>
    <message>
        <source>vE, м/с</source>
        <translation>vE, m/s</translation>
    </message>
    <message>
        <source>Ускорение ползуна E</source>
        <translation>Acceleration of slider E</translation>
    </message>
    <message>
        <source>aE, м/с²</source>
        <translation>aE, m/s²</translation>
    </message>
    <message>
        <source>Синие линии — крайние положения ползуна</source>
        <translation>Blue lines: the extreme positions of the slider</translation>
    </message>
    <message>
        <source>Кривошип не проворачивается на полный оборот: при φ = </source>
        <translation>The crank does not make a full turn: at φ = </translation>
    </message>
    <message>
        <source> звенья механизма не собираются. Ход, крайние положения и другие характеристики не определены.</source>
        <translation> the links of the mechanism do not assemble. The stroke, the extreme positions and the other characteristics are not defined.</translation>
    </message>
    <message>
        <source>при φ = </source>
        <translation>at φ = </translation>
    </message>
    <message>
        <source> м</source>
        <translation> m</translation>
    </message>
    <message>
        <source>μ = min(γ, 180° − γ), острый угол передачи; </source>
        <translation>μ = min(γ, 180° − γ), the acute transmission angle; </translation>
    </message>
    <message>
        <source> м/с</source>
        <translation> m/s</translation>
    </message>
    <message>
        <source> м/с²</source>
        <translation> m/s²</translation>
    </message>
    <message>
        <source>от φ = </source>
        <translation>from φ = </translation>
    </message>
    <message>
        <source>Рабочий ход — более длинный из двух ходов ползуна; K = φраб / φхол.</source>
        <translation>The working stroke is the longer of the slider&apos;s two strokes; K = φwork / φidle.</translation>
    </message>
    <message>
        <source>Положение </source>
        <translation>Position </translation>
    </message>
</context>
<context>
    <name>AnalysisTab</name>
    <message>
        <source>Вписать</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Подобрать масштаб так, чтобы план помещался в рисунок при всех положениях кривошипа</source>
        <translation>Choose the scale so that the plan fits the picture in every crank position</translation>
    </message>
</context>
<context>
    <name>AnswersWindow</name>
    <message>
        <source>неизвестные величины «%1»; %2</source>
        <translation>unknown quantities “%1”; %2</translation>
    </message>
    <message>
        <source>Проверка ответов</source>
        <translation>Checking answers</translation>
    </message>
    <message>
        <source>Допуск, %</source>
        <translation>Tolerance, %</translation>
    </message>
    <message>
        <source>Допустимая относительная ошибка ответа; обычная точность графического решения — 5 %</source>
        <translation>Permitted relative error of an answer; a graphical solution is usually accurate to 5 %</translation>
    </message>
    <message>
        <source>Загрузить CSV…</source>
        <translation>Load CSV…</translation>
    </message>
    <message>
        <source>Файл с заголовком Положение;Величина;Значение</source>
        <translation>A file headed Положение;Величина;Значение (position; quantity; value)</translation>
    </message>
    <message>
        <source>Добавить строку</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation>Remove row</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Величины: vA, vB, vD, vE, ω2, ω3, ω4, aA, aB, aD, aE, ε2, ε3, ε4, R01, R12, R23, R03, R24, R45, N05, Mб (или w2, e2, Mb). Скорости, ускорения и реакции — модули; ω, ε и Mб — со знаком, против часовой стрелки — плюс.</source>
        <translation>Quantities: vA, vB, vD, vE, ω2, ω3, ω4, aA, aB, aD, aE, ε2, ε3, ε4, R01, R12, R23, R03, R24, R45, N05, Mb (or w2, e2). Velocities, accelerations and reactions are magnitudes; ω, ε and Mb are signed, counter-clockwise is plus.</translation>
    </message>
    <message>
        <source>Положение</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Точно</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ошибка, %</source>
        <translation>Error, %</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Ответы</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Ответы (*.csv);;Все файлы (*)</source>
        <translation>Answers (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл ответов %1.</source>
        <translation>Could not read the answers file %1.</translation>
    </message>
    <message>
        <source>В файле %1 не прочитаны строки:
</source>
        <translation>Lines of the file %1 that were not read:
</translation>
    </message>
    <message>
        <source>положение «%1» — не целое число</source>
        <translation>position “%1” is not a whole number</translation>
    </message>
    <message>
        <source>значение «%1» — не число</source>
        <translation>value “%1” is not a number</translation>
    </message>
    <message>
        <source>точно 0</source>
        <translation>exactly 0</translation>
    </message>
    <message>
        <source>в пределах </source>
        <translation>within </translation>
    </message>
    <message>
        <source>вне допуска </source>
        <translation>outside </translation>
    </message>
    <message>
        <source>Допуск, %: </source>
        <translation>Tolerance, %: </translation>
    </message>
    <message>
        <source>Нет результата: сначала нажмите «Рассчитать».</source>
        <translation>No result: press “Calculate” first.</translation>
    </message>
</context>
<context>
    <name>CalculateStatus</name>
    <message>
        <source>; пропущено длин: %1 (заклинивание)</source>
        <translation>; lengths skipped: %1 (jamming)</translation>
    </message>
    <message>
        <source>Длина коромысла не выбрана: ни один расчёт исследования не завершён, Lbc = %1 м</source>
        <translation>No rocker length chosen: no calculation of the study finished, Lbc = %1 m</translation>
    </message>
    <message>
        <source>Lbc = %1 м оставлена, как введена: все длины исследования (%2) заклинивают механизм</source>
        <translation>Lbc = %1 m kept as typed: every length of the study (%2) jams the mechanism</translation>
    </message>
    <message>
        <source>Подбор выключен: Lbc = %1 м, как введена; исследование выбрало бы %2 м</source>
        <translation>Choice off: Lbc = %1 m as typed; the study would choose %2 m</translation>
    </message>
    <message>
        <source>Lbc = %1 м выбрана по наибольшей скорости ползуна (было %2 м)</source>
        <translation>Lbc = %1 m chosen for the largest slider velocity (was %2 m)</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна %1 м/с при ω1 = %2 рад/с; крайние положения ползуна: %3, %4</source>
        <translation>Largest slider velocity %1 m/s at ω1 = %2 rad/s; extreme slider positions: %3, %4</translation>
    </message>
    <message>
        <source>Крайние положения ползуна: %1, %2</source>
        <translation>Extreme slider positions: %1, %2</translation>
    </message>
    <message>
        <source>Перебор через 1° при Lbc = %1 м не нашёл мёртвых положений</source>
        <translation>The 1° scan at Lbc = %1 m found no dead positions</translation>
    </message>
    <message>
        <source>Мёртвые положения по перебору через 1° при Lbc = %1 м: %2</source>
        <translation>Dead positions by the 1° scan at Lbc = %1 m: %2</translation>
    </message>
    <message>
        <source>Расчёт не выполнен: </source>
        <translation>Calculation not done: </translation>
    </message>
    <message>
        <source>Заклинивание: при такой длине коромысла угол передачи γ где-то на обороте кривошипа подходит ближе чем на 1° к 0° или 180° (шатун AB и коромысло BC ложатся на одну прямую). Такие длины не выбираются; на графиках исследования их точки отмечены красным.</source>
        <translation>Jamming: with such a rocker length the transmission angle γ comes closer than 1° to 0° or 180° somewhere in the crank&apos;s turn (the coupler AB and the rocker BC fall into one line). Such lengths are not chosen; the study charts mark their points in red.</translation>
    </message>
</context>
<context>
    <name>DrawingFitButton</name>
    <message>
        <source>Вписать</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Подобрать масштабы плана скоростей и положений механизма так, чтобы рисунки поместились целиком при всех положениях кривошипа</source>
        <translation>Choose the scales of the velocity plan and of the mechanism positions so that the pictures fit whole in every crank position</translation>
    </message>
</context>
<context>
    <name>Drawings</name>
    <message>
        <source>/пикс</source>
        <translation>/px</translation>
    </message>
</context>
<context>
    <name>DynamicsTab</name>
    <message>
        <source>Динамика появится после расчёта (кнопка «Рассчитать»).</source>
        <translation>The dynamics appear after a calculation (the button “Calculate”).</translation>
    </message>
    <message>
        <source>Маховик</source>
        <translation>Flywheel</translation>
    </message>
    <message>
        <source>Диаграмма энергомасс</source>
        <translation>Energy–mass diagram</translation>
    </message>
    <message>
        <source>Моменты и работы</source>
        <translation>Moments and work</translation>
    </message>
    <message>
        <source>Jпр и скорость кривошипа</source>
        <translation>Jred and crank velocity</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>ω1, рад/с</source>
        <translation>ω1, rad/s</translation>
    </message>
    <message>
        <source>Средняя угловая скорость кривошипа ωср (то же значение, что ω1 на вкладках «Ускорения» и «Силы»)</source>
        <translation>Mean angular velocity of the crank ωm (the same value as ω1 on the tabs “Accelerations” and “Forces”)</translation>
    </message>
    <message>
        <source>q, кг/м</source>
        <translation>q, kg/m</translation>
    </message>
    <message>
        <source>Масса одного метра длины звена (то же значение, что на вкладке «Силы»)</source>
        <translation>Mass of one metre of link length (the same value as on the tab “Forces”)</translation>
    </message>
    <message>
        <source>m5, кг</source>
        <translation>m5, kg</translation>
    </message>
    <message>
        <source>Масса ползуна E (то же значение, что на вкладке «Силы»)</source>
        <translation>Mass of slider E (the same value as on the tab “Forces”)</translation>
    </message>
    <message>
        <source>Fс, Н</source>
        <translation>Fc, N</translation>
    </message>
    <message>
        <source>Сила полезного сопротивления на рабочем ходу ползуна (то же значение, что на вкладке «Силы»)</source>
        <translation>Useful resistance force on the slider&apos;s working stroke (the same value as on the tab “Forces”)</translation>
    </message>
    <message>
        <source>Сила тяжести</source>
        <translation>Gravity</translation>
    </message>
    <message>
        <source>Учитывать силу тяжести (то же, что на вкладке «Силы»)</source>
        <translation>Take gravity into account (the same as on the tab “Forces”)</translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ</source>
        <translation>Coefficient of fluctuation δ</translation>
    </message>
    <message>
        <source>Больше 0 и меньше 1; можно ввести дробью, например 1/25</source>
        <translation>Greater than 0 and less than 1; may be typed as a fraction, e.g. 1/25</translation>
    </message>
    <message>
        <source>Маховик и движение кривошипа</source>
        <translation>Flywheel and crank motion</translation>
    </message>
    <message>
        <source>ωср = </source>
        <translation>ωm = </translation>
    </message>
    <message>
        <source> рад/с — поле ω1. Mпр &gt; 0 помогает кривошипу; ΔT отсчитывается от φ = 0.</source>
        <translation> rad/s, the field ω1. Mred &gt; 0 helps the crank; ΔT is counted from φ = 0.</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>Параметры механизма (*.tmm)</source>
        <translation>Mechanism parameters (*.tmm)</translation>
    </message>
    <message>
        <source>Открыть параметры</source>
        <translation>Open parameters</translation>
    </message>
    <message>
        <source>Сохранить параметры как</source>
        <translation>Save parameters as</translation>
    </message>
    <message>
        <source>Экспорт таблицы</source>
        <translation>Export the table</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Папка для рисунков</source>
        <translation>Folder for the pictures</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Открыть параметры…</source>
        <translation>Open parameters…</translation>
    </message>
    <message>
        <source>Сохранить параметры как…</source>
        <translation>Save parameters as…</translation>
    </message>
    <message>
        <source>Экспорт таблицы (CSV)…</source>
        <translation>Export the table (CSV)…</translation>
    </message>
    <message>
        <source>Сохранить рисунки…</source>
        <translation>Save pictures…</translation>
    </message>
    <message>
        <source>Отчёт (PDF)…</source>
        <translation>Report (PDF)…</translation>
    </message>
    <message>
        <source>Предварительный просмотр…</source>
        <translation>Print preview…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Не удалось прочитать параметры из файла %1</source>
        <translation>Could not read the parameters from the file %1</translation>
    </message>
    <message>
        <source>Параметры прочитаны из файла %1</source>
        <translation>Parameters read from the file %1</translation>
    </message>
    <message>
        <source>Не удалось сохранить параметры в файл %1</source>
        <translation>Could not save the parameters to the file %1</translation>
    </message>
    <message>
        <source>Параметры записаны в файл %1</source>
        <translation>Parameters written to the file %1</translation>
    </message>
    <message>
        <source>Результаты.csv</source>
        <translation>Results.csv</translation>
    </message>
    <message>
        <source>Таблица записана в файл %1</source>
        <translation>Table written to the file %1</translation>
    </message>
    <message>
        <source>Рисунки записаны в папку %1</source>
        <translation>Pictures written to the folder %1</translation>
    </message>
    <message>
        <source>Отчёт.pdf</source>
        <translation>Report.pdf</translation>
    </message>
    <message>
        <source>Запись отчёта…</source>
        <translation>Writing the report…</translation>
    </message>
    <message>
        <source>Запись отчёта отменена, файл %1 не изменён</source>
        <translation>Writing the report cancelled, the file %1 is unchanged</translation>
    </message>
    <message>
        <source>Отчёт записан в файл %1</source>
        <translation>Report written to the file %1</translation>
    </message>
    <message>
        <source>Не удалось начать печать на принтер «%1».</source>
        <translation>Could not start printing on the printer “%1”.</translation>
    </message>
    <message>
        <source>Предварительный просмотр отчёта</source>
        <translation>Report print preview</translation>
    </message>
    <message>
        <source>Отчёт отправлен на печать</source>
        <translation>Report sent to the printer</translation>
    </message>
</context>
<context>
    <name>ForcesTab</name>
    <message>
        <source>Fс не приложена: кривошип не проворачивается на полный оборот, поэтому рабочий ход ползуна не определён; Mб и реакции найдены без силы полезного сопротивления.</source>
        <translation>Fc not applied: the crank does not make a full turn, so the slider&apos;s working stroke is not defined; Mb and the reactions were found without the useful resistance force.</translation>
    </message>
    <message>
        <source>Уравновешивающий момент</source>
        <translation>Balancing moment</translation>
    </message>
    <message>
        <source>План сил группы 2–3</source>
        <translation>Force plan of group 2–3</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>q, кг/м</source>
        <translation>q, kg/m</translation>
    </message>
    <message>
        <source>Масса одного метра длины звена (для всех звеньев)</source>
        <translation>Mass of one metre of link length (for every link)</translation>
    </message>
    <message>
        <source>m5, кг</source>
        <translation>m5, kg</translation>
    </message>
    <message>
        <source>Масса ползуна E</source>
        <translation>Mass of slider E</translation>
    </message>
    <message>
        <source>Fс, Н</source>
        <translation>Fc, N</translation>
    </message>
    <message>
        <source>Сила полезного сопротивления на рабочем ходу ползуна</source>
        <translation>Useful resistance force on the slider&apos;s working stroke</translation>
    </message>
    <message>
        <source>n1, об/мин</source>
        <translation>n1, rpm</translation>
    </message>
    <message>
        <source>Частота вращения кривошипа; ω1 = π·n1/30 рад/с, как в поле ω1 вкладки «Ускорения»</source>
        <translation>Crank speed; ω1 = π·n1/30 rad/s, as in the field ω1 of the tab “Accelerations”</translation>
    </message>
    <message>
        <source>Учитывать силу тяжести</source>
        <translation>Include gravity</translation>
    </message>
    <message>
        <source>Масштаб плана сил</source>
        <translation>Force plan scale</translation>
    </message>
    <message>
        <source>Пикселей на 1 Н</source>
        <translation>Pixels per 1 N</translation>
    </message>
    <message>
        <source>Группа звеньев 2 (AB) и 3 (BC) в равновесии:
R12τ + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n + R12n = 0.

Fи — силы инерции (−m·aS), R42 — действие звена DE на шатун в точке D, R12 и R03 — реакции в шарнирах A и C, τ и n — их составляющие поперёк и вдоль звена.

Чёрные — известные силы, синие — найденные реакции, пунктир — полные реакции.</source>
        <translation>The group of links 2 (AB) and 3 (BC) in equilibrium:
R12τ + G2 + Fi2 + R42 + G3 + Fi3 + R03τ + R03n + R12n = 0.

Fi are the inertia forces (−m·aS), R42 is the action of link DE on the coupler at point D, R12 and R03 are the reactions in the joints A and C, τ and n their components across and along the link.

Black: known forces, blue: the reactions found, dashed: the full reactions.</translation>
    </message>
    <message>
        <source>Наибольшая разность Mб двух методов: </source>
        <translation>Largest difference of Mb between the two methods: </translation>
    </message>
    <message>
        <source> Н·м</source>
        <translation> N·m</translation>
    </message>
    <message>
        <source>Положение </source>
        <translation>Position </translation>
    </message>
    <message>
        <source>, Fс не приложена</source>
        <translation>, Fc not applied</translation>
    </message>
    <message>
        <source>, рабочий ход</source>
        <translation>, working stroke</translation>
    </message>
    <message>
        <source>, холостой ход</source>
        <translation>, idle stroke</translation>
    </message>
</context>
<context>
    <name>Kinematics</name>
    <message>
        <source>Fи</source>
        <translation>Fi</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Руководство</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>ModalProgress</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ResultsTableModel</name>
    <message>
        <source>%1 = %2 %3, положение %4, φ = %5°</source>
        <translation>%1 = %2 %3, position %4, φ = %5°</translation>
    </message>
    <message>
        <source> (без округления %1 %2)</source>
        <translation> (unrounded %1 %2)</translation>
    </message>
</context>
<context>
    <name>SheetsCommand</name>
    <message>
        <source>Листы курсового проекта…</source>
        <translation>Course project sheets…</translation>
    </message>
    <message>
        <source>Листы (%1 файлов) записаны в папку %2</source>
        <translation>Sheets (%1 files) written to the folder %2</translation>
    </message>
</context>
<context>
    <name>SheetsDialog</name>
    <message>
        <source>Листы курсового проекта</source>
        <translation>Course project sheets</translation>
    </message>
    <message>
        <source>Листы 1 (кинематика), 2 (силы) и 3 (динамика) в форматах PDF, SVG и DXF в натуральную величину.</source>
        <translation>Sheets 1 (kinematics), 2 (forces) and 3 (dynamics) as PDF, SVG and DXF at full size.</translation>
    </message>
    <message>
        <source>Обзор…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Студент:</source>
        <translation>Student:</translation>
    </message>
    <message>
        <source>Группа:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Преподаватель:</source>
        <translation>Teacher:</translation>
    </message>
    <message>
        <source>Формат:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Положения K,L:</source>
        <translation>Positions K,L:</translation>
    </message>
    <message>
        <source>Папка:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Записать листы</source>
        <translation>Write the sheets</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Папка для листов</source>
        <translation>Folder for the sheets</translation>
    </message>
    <message>
        <source>Укажите папку для листов.</source>
        <translation>Choose a folder for the sheets.</translation>
    </message>
    <message>
        <source>Сколько положений механизма показать на схеме листа 1: от 1 до 24</source>
        <translation>How many positions of the mechanism the scheme of sheet 1 shows: 1 to 24</translation>
    </message>
    <message>
        <source>Два положения схемы (0 … N−1) для планов, через запятую; пусто — одно рабочего и одно холостого хода</source>
        <translation>Two positions of the scheme (0 … N−1) for the plans, separated by a comma; empty: one of the working and one of the idle stroke</translation>
    </message>
    <message>
        <source>Положений на схеме:</source>
        <translation>Positions on the scheme:</translation>
    </message>
</context>
<context>
    <name>SolutionMenu</name>
    <message>
        <source>Ре&amp;шение</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>&amp;Ход решения…</source>
        <translation>&amp;Worked solution…</translation>
    </message>
    <message>
        <source>&amp;Проверка ответов…</source>
        <translation>&amp;Check answers…</translation>
    </message>
    <message>
        <source>Ход решения</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Ход решения для показанного положения механизма</source>
        <translation>The worked solution for the position of the mechanism shown</translation>
    </message>
</context>
<context>
    <name>SolutionWindow</name>
    <message>
        <source>Ход решения появится после расчёта: нажмите «Рассчитать» на вкладке «Рассчет».</source>
        <translation>The worked solution appears after a calculation: press “Calculate” on the tab “Calculation”.</translation>
    </message>
    <message>
        <source>Ход решения</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Положение на чертеже</source>
        <translation>Position in the drawing</translation>
    </message>
    <message>
        <source>Положение, которое показывает вкладка «Планы скоростей и положения механизма»</source>
        <translation>The position shown by the tab “Velocity plans and mechanism positions”</translation>
    </message>
    <message>
        <source>Положение таблицы k =</source>
        <translation>Table position k =</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>В отчёт</source>
        <translation>Add to report</translation>
    </message>
    <message>
        <source>Добавить ход решения выбранного положения таблицы в отчёт PDF</source>
        <translation>Add the worked solution of the chosen table position to the PDF report</translation>
    </message>
    <message>
        <source>Убрать из отчёта все</source>
        <translation>Remove all from the report</translation>
    </message>
    <message>
        <source>Положение вкладки «Планы скоростей и положения механизма» (%1 положений за оборот)
</source>
        <translation>Position of the tab “Velocity plans and mechanism positions” (%1 positions per turn)
</translation>
    </message>
    <message>
        <source>Ход решения не составлен: %1</source>
        <translation>No worked solution: %1</translation>
    </message>
    <message>
        <source>В отчёте хода решения нет.</source>
        <translation>The report holds no worked solution.</translation>
    </message>
    <message>
        <source>В отчёте положения таблицы: %1</source>
        <translation>Table positions in the report: %1</translation>
    </message>
</context>
<context>
    <name>StaleResultNotes</name>
    <message>
        <source>Результаты предыдущего расчёта: Loa %1, Lab %2, Lbc %3, Lde %4, Loc %5 м, N %6; новый расчёт не выполнен</source>
        <translation>Results of the previous calculation: Loa %1, Lab %2, Lbc %3, Lde %4, Loc %5 m, N %6; the new calculation failed</translation>
    </message>
</context>
<context>
    <name>StructureTab</name>
    <message>
        <source>Проверка Грасгофа и проворачиваемости появится после расчёта (кнопка «Рассчитать»).</source>
        <translation>The Grashof and full-turn check appears after a calculation (the button “Calculate”).</translation>
    </message>
    <message>
        <source>Структурный анализ</source>
        <translation>Structural analysis</translation>
    </message>
    <message>
        <source>Проверка Грасгофа и проворачиваемость</source>
        <translation>Grashof check and full turn</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Расчет механизма</source>
        <translation>Mechanism analysis</translation>
    </message>
    <message>
        <source>по ТММ</source>
        <translation>in TMM</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Кинематический рассчет шарнирно-рычажного механизма</source>
        <translation>Kinematic analysis of a hinged-lever mechanism</translation>
    </message>
    <message>
        <source>Рассчет </source>
        <translation>Calculation </translation>
    </message>
    <message>
        <source>Диаграммы</source>
        <translation>Diagrams</translation>
    </message>
    <message>
        <source>Диаграмы</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>Планы скоростей и положения механизма</source>
        <translation>Velocity plans and mechanism positions</translation>
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
        <source>Динамика</source>
        <translation>Dynamics</translation>
    </message>
    <message>
        <source>Структура</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Пример программы с сайта </source>
        <translation>Sample program from </translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Руководство</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Вы уверены что хотите выйти из программы ? </source>
        <translation>Are you sure you want to quit the program? </translation>
    </message>
    <message>
        <source>Расчёт механизма…</source>
        <translation>Calculating the mechanism…</translation>
    </message>
    <message>
        <source>рассчитаны не все положения механизма</source>
        <translation>not every position of the mechanism was calculated</translation>
    </message>
    <message>
        <source>
Увеличить: протяните левой кнопкой мыши вправо вниз; вернуть: протяните влево вверх.
Прокрутить: протяните правой кнопкой мыши.</source>
        <translation>
Zoom in: drag right and down with the left mouse button; back: drag left and up.
Scroll: drag with the right mouse button.</translation>
    </message>
    <message>
        <source>Скорость ползуна E, м/с (для ω1 = 1 рад/с), по углу поворота кривошипа, рад</source>
        <translation>Velocity of slider E, m/s (for ω1 = 1 rad/s), over the crank angle, rad</translation>
    </message>
    <message>
        <source>Координата x точки A, м, по углу поворота кривошипа, рад</source>
        <translation>Coordinate x of point A, m, over the crank angle, rad</translation>
    </message>
    <message>
        <source>Траектория точки D: Yd, м, по Xd, м</source>
        <translation>Path of point D: Yd, m, over Xd, m</translation>
    </message>
    <message>
        <source>
Красным отмечены длины, при которых механизм заклинивает (угол передачи ближе 1° к 0° или 180°): они не выбираются.</source>
        <translation>
Red marks the lengths at which the mechanism jams (transmission angle within 1° of 0° or 180°): they are not chosen.</translation>
    </message>
    <message>
        <source>Наибольший угол передачи, рад, по длине коромысла BC, мм</source>
        <translation>Largest transmission angle, rad, over the rocker length BC, mm</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна Ve, м/с (для ω1 = 1 рад/с; наибольшая из N положений таблицы, выборочно), по длине коромысла BC, мм</source>
        <translation>Largest slider velocity Ve, m/s (for ω1 = 1 rad/s; the largest of the N table positions, sampled), over the rocker length BC, mm</translation>
    </message>
    <message>
        <source>Наименьший угол передачи, рад, по длине коромысла BC, мм</source>
        <translation>Smallest transmission angle, rad, over the rocker length BC, mm</translation>
    </message>
    <message>
        <source>План скоростей и положения механизма в N-случаях</source>
        <translation>Velocity plan and mechanism positions in N cases</translation>
    </message>
    <message>
        <source>Положение</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Угол поворота</source>
        <translation>Crank angle</translation>
    </message>
    <message>
        <source>Анимация с частотой</source>
        <translation>Animation every</translation>
    </message>
    <message>
        <source>Масштаб плана скоростей</source>
        <translation>Velocity plan scale</translation>
    </message>
    <message>
        <source>Масштаб плана скоростей: пикселей на м/с (целое число)</source>
        <translation>Velocity plan scale: pixels per m/s (a whole number)</translation>
    </message>
    <message>
        <source>Масштаб положений механизма</source>
        <translation>Mechanism position scale</translation>
    </message>
    <message>
        <source>Масштаб положений механизма: пикселей на метр (целое число)</source>
        <translation>Mechanism position scale: pixels per metre (a whole number)</translation>
    </message>
    <message>
        <source>Не удалось прочитать параметры из файла startpar.tmm</source>
        <translation>Could not read the parameters from the file startpar.tmm</translation>
    </message>
    <message>
        <source>Не удалось сохранить параметры в файл startpar.tmm</source>
        <translation>Could not save the parameters to the file startpar.tmm</translation>
    </message>
    <message>
        <source>(м)</source>
        <translation>(m)</translation>
    </message>
    <message>
        <source>Довжина кривошипа</source>
        <translation>Crank length</translation>
    </message>
    <message>
        <source>Довжина шатуна</source>
        <translation>Connecting rod length</translation>
    </message>
    <message>
        <source>Довжина коромисла</source>
        <translation>Rocker length</translation>
    </message>
    <message>
        <source>Відстань між осями шарнирів</source>
        <translation>Distance between the pivots</translation>
    </message>
    <message>
        <source>Кількість положення мех-му</source>
        <translation>Number of positions</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Считать из файла</source>
        <translation>Read from file</translation>
    </message>
    <message>
        <source>Сохранить в файл</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>: ожидается целое положительное число положений</source>
        <translation>: a positive whole number of positions is expected</translation>
    </message>
    <message>
        <source>: ожидается число в метрах больше 0,51 и не больше 0,9</source>
        <translation>: a number in metres above 0,51 and not above 0,9 is expected</translation>
    </message>
    <message>
        <source>: ожидается положительное число в метрах</source>
        <translation>: a positive number in metres is expected</translation>
    </message>
    <message>
        <source>&amp;Рассчитать</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>Подбирать Lbc по исследованию</source>
        <translation>Choose Lbc by the study</translation>
    </message>
    <message>
        <source>Включено: Рассчитать заменяет Lbc длиной, которую выбрало исследование.
Выключено: исследование выполняется и показывается, но расчёт, таблица, диаграммы и экспорт используют введённую Lbc.</source>
        <translation>On: Calculate replaces Lbc with the length the study chose.
Off: the study runs and is shown, but the calculation, the table, the diagrams and the export use the typed Lbc.</translation>
    </message>
    <message>
        <source>Определение мертвых положений механизма</source>
        <translation>Dead positions of the mechanism</translation>
    </message>
    <message>
        <source>Значения углов поворота кривошипа при которых</source>
        <translation>The crank angles at which</translation>
    </message>
    <message>
        <source>возникают мертвые положения механизма</source>
        <translation>the mechanism has dead positions</translation>
    </message>
    <message>
        <source>φ = %1 (%2 рад) при Lbc = %3 м</source>
        <translation>φ = %1 (%2 rad) at Lbc = %3 m</translation>
    </message>
    <message>
        <source>Список — перебор через 1° при Lbc = %1 м.</source>
        <translation>The list: a 1° scan at Lbc = %1 m.</translation>
    </message>
    <message>
        <source>
Крайние положения ползуна при Lbc = %1 м: %2, %3</source>
        <translation>
Extreme slider positions at Lbc = %1 m: %2, %3</translation>
    </message>
    <message>
        <source>Не удалось открыть адрес %1 в браузере</source>
        <translation>Could not open the address %1 in the browser</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>- программа</source>
        <translation>- a program</translation>
    </message>
    <message>
        <source>проводящая кинематическое</source>
        <translation>for the kinematic</translation>
    </message>
    <message>
        <source>исследование шарнирно-</source>
        <translation>study of a hinged-</translation>
    </message>
    <message>
        <source>рычажного механизма</source>
        <translation>lever mechanism</translation>
    </message>
    <message>
        <source>Версия - 1</source>
        <translation>Version - 1</translation>
    </message>
    <message>
        <source>Выполнил :</source>
        <translation>Made by :</translation>
    </message>
    <message>
        <source>Разработчики</source>
        <translation>The developers</translation>
    </message>
    <message>
        <source>программы Orvek</source>
        <translation>of Orvek</translation>
    </message>
    <message>
        <source>учебная группа ТММ</source>
        <translation>TMM study group</translation>
    </message>
    <message>
        <source>курс теории машин</source>
        <translation>course on the theory</translation>
    </message>
    <message>
        <source>и механизмов</source>
        <translation>of machines</translation>
    </message>
    <message>
        <source>открытый проект</source>
        <translation>an open project</translation>
    </message>
    <message>
        <source>2026 г.</source>
        <translation>2026</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Пример программы с сайта </source>
        <translation>Sample program from </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
</TS>
