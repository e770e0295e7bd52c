<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AccelerationsTab</name>
    <message>
        <source>Характеристики появятся после расчёта (кнопка «Рассчитать»).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ползун меняет направление %1 %8 за оборот, при φ = %2: кроме крайних положений он возвращается ещё при φ = %3. Ход H — между самым низким (φ = %4) и самым высоким (φ = %5) положениями; рабочий ход — более длинный из двух поворотов кривошипа между ними, K = φраб / φхол; Fс действует на всём рабочем ходе (от φ = %6 на %7), в том числе там, где ползун временно идёт назад.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>раза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>раз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ω1, рад/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа (постоянная, против часовой стрелки)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб плана ускорений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пикселей на 1 м/с²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>План ускорений и характеристики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаграммы точки E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Характеристики механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>π — полюс; πa, πb, πd, πe — ускорения точек; синие — нормальные, зелёные — касательные составляющие относительных ускорений; n1, n2, n3 — концы нормальных составляющих aBA, aBC, aED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход ползуна H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент изменения средней скорости K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Крайнее положение ползуна 1, φ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Крайнее положение ползуна 2, φ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол рабочего хода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол холостого хода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший угол передачи γ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший угол передачи γ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший угол передачи μmin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольшее ускорение ползуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перемещение ползуна E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sE, м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость ползуна E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vE, м/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ускорение ползуна E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aE, м/с²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Синие линии — крайние положения ползуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кривошип не проворачивается на полный оборот: при φ = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> звенья механизма не собираются. Ход, крайние положения и другие характеристики не определены.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>при φ = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>μ = min(γ, 180° − γ), острый угол передачи; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> м/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> м/с²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>от φ = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рабочий ход — более длинный из двух ходов ползуна; K = φраб / φхол.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisTab</name>
    <message>
        <source>Вписать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подобрать масштаб так, чтобы план помещался в рисунок при всех положениях кривошипа</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswersWindow</name>
    <message>
        <source>неизвестные величины «%1»; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка ответов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Допуск, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Допустимая относительная ошибка ответа; обычная точность графического решения — 5 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл с заголовком Положение;Величина;Значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить строку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Величины: vA, vB, vD, vE, ω2, ω3, ω4, aA, aB, aD, aE, ε2, ε3, ε4, R01, R12, R23, R03, R24, R45, N05, Mб (или w2, e2, Mb). Скорости, ускорения и реакции — модули; ω, ε и Mб — со знаком, против часовой стрелки — плюс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Величина</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Точно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ответы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ответы (*.csv);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать файл ответов %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В файле %1 не прочитаны строки:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>положение «%1» — не целое число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>значение «%1» — не число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>точно 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в пределах </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вне допуска </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Допуск, %: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет результата: сначала нажмите «Рассчитать».</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalculateStatus</name>
    <message>
        <source>; пропущено длин: %1 (заклинивание)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Длина коромысла не выбрана: ни один расчёт исследования не завершён, Lbc = %1 м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lbc = %1 м оставлена, как введена: все длины исследования (%2) заклинивают механизм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подбор выключен: Lbc = %1 м, как введена; исследование выбрало бы %2 м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lbc = %1 м выбрана по наибольшей скорости ползуна (было %2 м)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна %1 м/с при ω1 = %2 рад/с; крайние положения ползуна: %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Крайние положения ползуна: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перебор через 1° при Lbc = %1 м не нашёл мёртвых положений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мёртвые положения по перебору через 1° при Lbc = %1 м: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт не выполнен: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заклинивание: при такой длине коромысла угол передачи γ где-то на обороте кривошипа подходит ближе чем на 1° к 0° или 180° (шатун AB и коромысло BC ложатся на одну прямую). Такие длины не выбираются; на графиках исследования их точки отмечены красным.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawingFitButton</name>
    <message>
        <source>Вписать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подобрать масштабы плана скоростей и положений механизма так, чтобы рисунки поместились целиком при всех положениях кривошипа</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DynamicsTab</name>
    <message>
        <source>Динамика появится после расчёта (кнопка «Рассчитать»).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маховик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаграмма энергомасс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Моменты и работы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jпр и скорость кривошипа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ω1, рад/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Средняя угловая скорость кривошипа ωср (то же значение, что ω1 на вкладках «Ускорения» и «Силы»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q, кг/м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масса одного метра длины звена (то же значение, что на вкладке «Силы»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m5, кг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масса ползуна E (то же значение, что на вкладке «Силы»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fс, Н</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сила полезного сопротивления на рабочем ходу ползуна (то же значение, что на вкладке «Силы»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сила тяжести</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Учитывать силу тяжести (то же, что на вкладке «Силы»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Больше 0 и меньше 1; можно ввести дробью, например 1/25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маховик и движение кривошипа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ωср = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> рад/с — поле ω1. Mпр &gt; 0 помогает кривошипу; ΔT отсчитывается от φ = 0.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>Параметры механизма (*.tmm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть параметры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить параметры как</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт таблицы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Папка для рисунков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть параметры…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить параметры как…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Экспорт таблицы (CSV)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить рисунки…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт (PDF)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предварительный просмотр…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать параметры из файла %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры прочитаны из файла %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить параметры в файл %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры записаны в файл %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результаты.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица записана в файл %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисунки записаны в папку %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись отчёта…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись отчёта отменена, файл %1 не изменён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт записан в файл %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось начать печать на принтер «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предварительный просмотр отчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт отправлен на печать</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForcesTab</name>
    <message>
        <source>Fс не приложена: кривошип не проворачивается на полный оборот, поэтому рабочий ход ползуна не определён; Mб и реакции найдены без силы полезного сопротивления.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уравновешивающий момент</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>План сил группы 2–3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>q, кг/м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масса одного метра длины звена (для всех звеньев)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m5, кг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масса ползуна E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fс, Н</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сила полезного сопротивления на рабочем ходу ползуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n1, об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота вращения кривошипа; ω1 = π·n1/30 рад/с, как в поле ω1 вкладки «Ускорения»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Учитывать силу тяжести</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб плана сил</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пикселей на 1 Н</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Группа звеньев 2 (AB) и 3 (BC) в равновесии:
R12τ + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n + R12n = 0.

Fи — силы инерции (−m·aS), R42 — действие звена DE на шатун в точке D, R12 и R03 — реакции в шарнирах A и C, τ и n — их составляющие поперёк и вдоль звена.

Чёрные — известные силы, синие — найденные реакции, пунктир — полные реакции.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольшая разность Mб двух методов: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Н·м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Fс не приложена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, рабочий ход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, холостой ход</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Язык</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Руководство</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsTableModel</name>
    <message>
        <source>%1 = %2 %3, положение %4, φ = %5°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (без округления %1 %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetsCommand</name>
    <message>
        <source>Листы курсового проекта…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Листы (%1 файлов) записаны в папку %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetsDialog</name>
    <message>
        <source>Листы курсового проекта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Листы 1 (кинематика), 2 (силы) и 3 (динамика) в форматах PDF, SVG и DXF в натуральную величину.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Два положения из 12 (0 … 11) для планов, через запятую; пусто — одно рабочего и одно холостого хода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обзор…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Студент:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Группа:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Преподаватель:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формат:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положения K,L:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Папка:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать листы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Папка для листов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите папку для листов.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SolutionMenu</name>
    <message>
        <source>Ре&amp;шение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ход решения…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Проверка ответов…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход решения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход решения для показанного положения механизма</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SolutionWindow</name>
    <message>
        <source>Ход решения появится после расчёта: нажмите «Рассчитать» на вкладке «Рассчет».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход решения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение на чертеже</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение, которое показывает вкладка «Планы скоростей и положения механизма»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение таблицы k =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В отчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить ход решения выбранного положения таблицы в отчёт PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Убрать из отчёта все</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение вкладки «Планы скоростей и положения механизма» (%1 положений за оборот)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ход решения не составлен: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В отчёте хода решения нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В отчёте положения таблицы: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StaleResultNotes</name>
    <message>
        <source>Результаты предыдущего расчёта: Loa %1, Lab %2, Lbc %3, Lde %4, Loc %5 м, N %6; новый расчёт не выполнен</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StructureTab</name>
    <message>
        <source>Проверка Грасгофа и проворачиваемости появится после расчёта (кнопка «Рассчитать»).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Структурный анализ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка Грасгофа и проворачиваемость</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Расчет механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>по ТММ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Кинематический рассчет шарнирно-рычажного механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рассчет </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаграммы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диаграмы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Планы скоростей и положения механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ускорения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Силы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Динамика</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Структура</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пример программы с сайта </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Руководство</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы уверены что хотите выйти из программы ? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Расчёт механизма…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рассчитаны не все положения механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Увеличить: протяните левой кнопкой мыши вправо вниз; вернуть: протяните влево вверх.
Прокрутить: протяните правой кнопкой мыши.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость ползуна E, м/с (для ω1 = 1 рад/с), по углу поворота кривошипа, рад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Координата x точки A, м, по углу поворота кривошипа, рад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Траектория точки D: Yd, м, по Xd, м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Красным отмечены длины, при которых механизм заклинивает (угол передачи ближе 1° к 0° или 180°): они не выбираются.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольший угол передачи, рад, по длине коромысла BC, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна Ve, м/с (для ω1 = 1 рад/с; наибольшая из N положений таблицы, выборочно), по длине коромысла BC, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьший угол передачи, рад, по длине коромысла BC, мм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>План скоростей и положения механизма в N-случаях</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Положение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Угол поворота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Анимация с частотой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб плана скоростей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб плана скоростей: пикселей на м/с (целое число)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб положений механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Масштаб положений механизма: пикселей на метр (целое число)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать параметры из файла startpar.tmm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить параметры в файл startpar.tmm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(м)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Довжина кривошипа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Довжина шатуна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Довжина коромисла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Відстань між осями шарнирів</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кількість положення мех-му</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считать из файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить в файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: ожидается целое положительное число положений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: ожидается число в метрах больше 0,51 и не больше 0,9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: ожидается положительное число в метрах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Рассчитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подбирать Lbc по исследованию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включено: Рассчитать заменяет Lbc длиной, которую выбрало исследование.
Выключено: исследование выполняется и показывается, но расчёт, таблица, диаграммы и экспорт используют введённую Lbc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Определение мертвых положений механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Значения углов поворота кривошипа при которых</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>возникают мертвые положения механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>φ = %1 (%2 рад) при Lbc = %3 м</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список — перебор через 1° при Lbc = %1 м.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Крайние положения ползуна при Lbc = %1 м: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть адрес %1 в браузере</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>- программа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>проводящая кинематическое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>исследование шарнирно-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>рычажного механизма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия - 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выполнил :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разработчики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>программы Orvek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>учебная группа ТММ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>курс теории машин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>и механизмов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>открытый проект</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2026 г.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>О программе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пример программы с сайта </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
