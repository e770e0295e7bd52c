<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>AccelerationsTab</name>
    <message>
        <source>Характеристики появятся после расчёта (кнопка «Рассчитать»).</source>
        <translation>Характеристики з&apos;являться після розрахунку (кнопка «Розрахувати»).</translation>
    </message>
    <message>
        <source>Ползун меняет направление %1 %8 за оборот, при φ = %2: кроме крайних положений он возвращается ещё при φ = %3. Ход H — между самым низким (φ = %4) и самым высоким (φ = %5) положениями; рабочий ход — более длинный из двух поворотов кривошипа между ними, K = φраб / φхол; Fс действует на всём рабочем ходе (от φ = %6 на %7), в том числе там, где ползун временно идёт назад.</source>
        <translation>Повзун змінює напрямок %1 %8 за оберт, при φ = %2: крім крайніх положень він повертається ще при φ = %3. Хід H — між найнижчим (φ = %4) і найвищим (φ = %5) положеннями; робочий хід — довший із двох поворотів кривошипа між ними, K = φраб / φхол; Fс діє на всьому робочому ході (від φ = %6 на %7), зокрема там, де повзун тимчасово йде назад.</translation>
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
        <source>ω1, рад/с</source>
        <translation>ω1, рад/с</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа (постоянная, против часовой стрелки)</source>
        <translation>Кутова швидкість кривошипа (стала, проти годинникової стрілки)</translation>
    </message>
    <message>
        <source>Масштаб плана ускорений</source>
        <translation>Масштаб плану прискорень</translation>
    </message>
    <message>
        <source>Пикселей на 1 м/с²</source>
        <translation>Пікселів на 1 м/с²</translation>
    </message>
    <message>
        <source>План ускорений и характеристики</source>
        <translation>План прискорень і характеристики</translation>
    </message>
    <message>
        <source>Диаграммы точки E</source>
        <translation>Діаграми точки E</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Таблиця</translation>
    </message>
    <message>
        <source>Характеристики механизма</source>
        <translation>Характеристики механізму</translation>
    </message>
    <message>
        <source>π — полюс; πa, πb, πd, πe — ускорения точек; синие — нормальные, зелёные — касательные составляющие относительных ускорений; n1, n2, n3 — концы нормальных составляющих aBA, aBC, aED</source>
        <translation>π — полюс; πa, πb, πd, πe — прискорення точок; сині — нормальні, зелені — дотичні складові відносних прискорень; n1, n2, n3 — кінці нормальних складових aBA, aBC, aED</translation>
    </message>
    <message>
        <source>Ход ползуна H</source>
        <translation>Хід повзуна H</translation>
    </message>
    <message>
        <source>Коэффициент изменения средней скорости K</source>
        <translation>Коефіцієнт зміни середньої швидкості K</translation>
    </message>
    <message>
        <source>Крайнее положение ползуна 1, φ</source>
        <translation>Крайнє положення повзуна 1, φ</translation>
    </message>
    <message>
        <source>Крайнее положение ползуна 2, φ</source>
        <translation>Крайнє положення повзуна 2, φ</translation>
    </message>
    <message>
        <source>Угол рабочего хода</source>
        <translation>Кут робочого ходу</translation>
    </message>
    <message>
        <source>Угол холостого хода</source>
        <translation>Кут холостого ходу</translation>
    </message>
    <message>
        <source>Наименьший угол передачи γ</source>
        <translation>Найменший кут передачі γ</translation>
    </message>
    <message>
        <source>Наибольший угол передачи γ</source>
        <translation>Найбільший кут передачі γ</translation>
    </message>
    <message>
        <source>Наименьший угол передачи μmin</source>
        <translation>Найменший кут передачі μmin</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна</source>
        <translation>Найбільша швидкість повзуна</translation>
    </message>
    <message>
        <source>Наибольшее ускорение ползуна</source>
        <translation>Найбільше прискорення повзуна</translation>
    </message>
    <message>
        <source>Перемещение ползуна E</source>
        <translation>Переміщення повзуна E</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Кут, °</translation>
    </message>
    <message>
        <source>sE, м</source>
        <translation>sE, м</translation>
    </message>
    <message>
        <source>Скорость ползуна E</source>
        <translation>Швидкість повзуна E</translation>
    </message>
    <message>
        <source>vE, м/с</source>
        <translation>vE, м/с</translation>
    </message>
    <message>
        <source>Ускорение ползуна E</source>
        <translation>Прискорення повзуна E</translation>
    </message>
    <message>
        <source>aE, м/с²</source>
        <translation>aE, м/с²</translation>
    </message>
    <message>
        <source>Синие линии — крайние положения ползуна</source>
        <translation>Сині лінії — крайні положення повзуна</translation>
    </message>
    <message>
        <source>Кривошип не проворачивается на полный оборот: при φ = </source>
        <translation>Кривошип не провертається на повний оберт: при φ = </translation>
    </message>
    <message>
        <source> звенья механизма не собираются. Ход, крайние положения и другие характеристики не определены.</source>
        <translation> ланки механізму не складаються. Хід, крайні положення та інші характеристики не визначені.</translation>
    </message>
    <message>
        <source>при φ = </source>
        <translation>при φ = </translation>
    </message>
    <message>
        <source> м</source>
        <translation> м</translation>
    </message>
    <message>
        <source>μ = min(γ, 180° − γ), острый угол передачи; </source>
        <translation>μ = min(γ, 180° − γ), гострий кут передачі; </translation>
    </message>
    <message>
        <source> м/с</source>
        <translation> м/с</translation>
    </message>
    <message>
        <source> м/с²</source>
        <translation> м/с²</translation>
    </message>
    <message>
        <source>от φ = </source>
        <translation>від φ = </translation>
    </message>
    <message>
        <source>Рабочий ход — более длинный из двух ходов ползуна; K = φраб / φхол.</source>
        <translation>Робочий хід — довший із двох ходів повзуна; K = φраб / φхол.</translation>
    </message>
    <message>
        <source>Положение </source>
        <translation>Положення </translation>
    </message>
</context>
<context>
    <name>AnalysisTab</name>
    <message>
        <source>Вписать</source>
        <translation>Вписати</translation>
    </message>
    <message>
        <source>Подобрать масштаб так, чтобы план помещался в рисунок при всех положениях кривошипа</source>
        <translation>Підібрати масштаб так, щоб план вміщався в рисунок при всіх положеннях кривошипа</translation>
    </message>
</context>
<context>
    <name>AnswersWindow</name>
    <message>
        <source>неизвестные величины «%1»; %2</source>
        <translation>невідомі величини «%1»; %2</translation>
    </message>
    <message>
        <source>Проверка ответов</source>
        <translation>Перевірка відповідей</translation>
    </message>
    <message>
        <source>Допуск, %</source>
        <translation>Допуск, %</translation>
    </message>
    <message>
        <source>Допустимая относительная ошибка ответа; обычная точность графического решения — 5 %</source>
        <translation>Допустима відносна похибка відповіді; звичайна точність графічного розв&apos;язання — 5 %</translation>
    </message>
    <message>
        <source>Загрузить CSV…</source>
        <translation>Завантажити CSV…</translation>
    </message>
    <message>
        <source>Файл с заголовком Положение;Величина;Значение</source>
        <translation>Файл із заголовком Положение;Величина;Значение</translation>
    </message>
    <message>
        <source>Добавить строку</source>
        <translation>Додати рядок</translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation>Видалити рядок</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Перевірити</translation>
    </message>
    <message>
        <source>Величины: vA, vB, vD, vE, ω2, ω3, ω4, aA, aB, aD, aE, ε2, ε3, ε4, R01, R12, R23, R03, R24, R45, N05, Mб (или w2, e2, Mb). Скорости, ускорения и реакции — модули; ω, ε и Mб — со знаком, против часовой стрелки — плюс.</source>
        <translation>Величини: vA, vB, vD, vE, ω2, ω3, ω4, aA, aB, aD, aE, ε2, ε3, ε4, R01, R12, R23, R03, R24, R45, N05, Mб (або w2, e2, Mb). Швидкості, прискорення і реакції — модулі; ω, ε і Mб — зі знаком, проти годинникової стрілки — плюс.</translation>
    </message>
    <message>
        <source>Положение</source>
        <translation>Положення</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Величина</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Точно</source>
        <translation>Точно</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Похибка</translation>
    </message>
    <message>
        <source>Ошибка, %</source>
        <translation>Похибка, %</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Підсумок</translation>
    </message>
    <message>
        <source>Ответы</source>
        <translation>Відповіді</translation>
    </message>
    <message>
        <source>Ответы (*.csv);;Все файлы (*)</source>
        <translation>Відповіді (*.csv);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл ответов %1.</source>
        <translation>Не вдалося прочитати файл відповідей %1.</translation>
    </message>
    <message>
        <source>В файле %1 не прочитаны строки:
</source>
        <translation>У файлі %1 не прочитано рядки:
</translation>
    </message>
    <message>
        <source>положение «%1» — не целое число</source>
        <translation>положення «%1» — не ціле число</translation>
    </message>
    <message>
        <source>значение «%1» — не число</source>
        <translation>значення «%1» — не число</translation>
    </message>
    <message>
        <source>точно 0</source>
        <translation>точно 0</translation>
    </message>
    <message>
        <source>в пределах </source>
        <translation>у межах </translation>
    </message>
    <message>
        <source>вне допуска </source>
        <translation>поза допуском </translation>
    </message>
    <message>
        <source>Допуск, %: </source>
        <translation>Допуск, %: </translation>
    </message>
    <message>
        <source>Нет результата: сначала нажмите «Рассчитать».</source>
        <translation>Немає результату: спершу натисніть «Розрахувати».</translation>
    </message>
</context>
<context>
    <name>CalculateStatus</name>
    <message>
        <source>; пропущено длин: %1 (заклинивание)</source>
        <translation>; пропущено довжин: %1 (заклинювання)</translation>
    </message>
    <message>
        <source>Длина коромысла не выбрана: ни один расчёт исследования не завершён, Lbc = %1 м</source>
        <translation>Довжину коромисла не вибрано: жоден розрахунок дослідження не завершено, Lbc = %1 м</translation>
    </message>
    <message>
        <source>Lbc = %1 м оставлена, как введена: все длины исследования (%2) заклинивают механизм</source>
        <translation>Lbc = %1 м залишено, як введено: усі довжини дослідження (%2) заклинюють механізм</translation>
    </message>
    <message>
        <source>Подбор выключен: Lbc = %1 м, как введена; исследование выбрало бы %2 м</source>
        <translation>Підбір вимкнено: Lbc = %1 м, як введено; дослідження вибрало б %2 м</translation>
    </message>
    <message>
        <source>Lbc = %1 м выбрана по наибольшей скорости ползуна (было %2 м)</source>
        <translation>Lbc = %1 м вибрано за найбільшою швидкістю повзуна (було %2 м)</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна %1 м/с при ω1 = %2 рад/с; крайние положения ползуна: %3, %4</source>
        <translation>Найбільша швидкість повзуна %1 м/с при ω1 = %2 рад/с; крайні положення повзуна: %3, %4</translation>
    </message>
    <message>
        <source>Крайние положения ползуна: %1, %2</source>
        <translation>Крайні положення повзуна: %1, %2</translation>
    </message>
    <message>
        <source>Перебор через 1° при Lbc = %1 м не нашёл мёртвых положений</source>
        <translation>Перебір через 1° при Lbc = %1 м не знайшов мертвих положень</translation>
    </message>
    <message>
        <source>Мёртвые положения по перебору через 1° при Lbc = %1 м: %2</source>
        <translation>Мертві положення за перебором через 1° при Lbc = %1 м: %2</translation>
    </message>
    <message>
        <source>Расчёт не выполнен: </source>
        <translation>Розрахунок не виконано: </translation>
    </message>
    <message>
        <source>Заклинивание: при такой длине коромысла угол передачи γ где-то на обороте кривошипа подходит ближе чем на 1° к 0° или 180° (шатун AB и коромысло BC ложатся на одну прямую). Такие длины не выбираются; на графиках исследования их точки отмечены красным.</source>
        <translation>Заклинювання: при такій довжині коромисла кут передачі γ десь на оберті кривошипа підходить ближче ніж на 1° до 0° або 180° (шатун AB і коромисло BC лягають на одну пряму). Такі довжини не вибираються; на графіках дослідження їхні точки позначено червоним.</translation>
    </message>
</context>
<context>
    <name>DrawingFitButton</name>
    <message>
        <source>Вписать</source>
        <translation>Вписати</translation>
    </message>
    <message>
        <source>Подобрать масштабы плана скоростей и положений механизма так, чтобы рисунки поместились целиком при всех положениях кривошипа</source>
        <translation>Підібрати масштаби плану швидкостей і положень механізму так, щоб рисунки вмістилися повністю при всіх положеннях кривошипа</translation>
    </message>
</context>
<context>
    <name>Drawings</name>
    <message>
        <source>/пикс</source>
        <translation>/пікс</translation>
    </message>
</context>
<context>
    <name>DynamicsTab</name>
    <message>
        <source>Динамика появится после расчёта (кнопка «Рассчитать»).</source>
        <translation>Динаміка з&apos;явиться після розрахунку (кнопка «Розрахувати»).</translation>
    </message>
    <message>
        <source>Маховик</source>
        <translation>Маховик</translation>
    </message>
    <message>
        <source>Диаграмма энергомасс</source>
        <translation>Діаграма енергомас</translation>
    </message>
    <message>
        <source>Моменты и работы</source>
        <translation>Моменти і роботи</translation>
    </message>
    <message>
        <source>Jпр и скорость кривошипа</source>
        <translation>Jзв і швидкість кривошипа</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Таблиця</translation>
    </message>
    <message>
        <source>ω1, рад/с</source>
        <translation>ω1, рад/с</translation>
    </message>
    <message>
        <source>Средняя угловая скорость кривошипа ωср (то же значение, что ω1 на вкладках «Ускорения» и «Силы»)</source>
        <translation>Середня кутова швидкість кривошипа ωср (те саме значення, що ω1 на вкладках «Прискорення» і «Сили»)</translation>
    </message>
    <message>
        <source>q, кг/м</source>
        <translation>q, кг/м</translation>
    </message>
    <message>
        <source>Масса одного метра длины звена (то же значение, что на вкладке «Силы»)</source>
        <translation>Маса одного метра довжини ланки (те саме значення, що на вкладці «Сили»)</translation>
    </message>
    <message>
        <source>m5, кг</source>
        <translation>m5, кг</translation>
    </message>
    <message>
        <source>Масса ползуна E (то же значение, что на вкладке «Силы»)</source>
        <translation>Маса повзуна E (те саме значення, що на вкладці «Сили»)</translation>
    </message>
    <message>
        <source>Fс, Н</source>
        <translation>Fс, Н</translation>
    </message>
    <message>
        <source>Сила полезного сопротивления на рабочем ходу ползуна (то же значение, что на вкладке «Силы»)</source>
        <translation>Сила корисного опору на робочому ході повзуна (те саме значення, що на вкладці «Сили»)</translation>
    </message>
    <message>
        <source>Сила тяжести</source>
        <translation>Сила тяжіння</translation>
    </message>
    <message>
        <source>Учитывать силу тяжести (то же, что на вкладке «Силы»)</source>
        <translation>Враховувати силу тяжіння (те саме, що на вкладці «Сили»)</translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ</source>
        <translation>Коефіцієнт нерівномірності δ</translation>
    </message>
    <message>
        <source>Больше 0 и меньше 1; можно ввести дробью, например 1/25</source>
        <translation>Більше 0 і менше 1; можна ввести дробом, наприклад 1/25</translation>
    </message>
    <message>
        <source>Маховик и движение кривошипа</source>
        <translation>Маховик і рух кривошипа</translation>
    </message>
    <message>
        <source>ωср = </source>
        <translation>ωср = </translation>
    </message>
    <message>
        <source> рад/с — поле ω1. Mпр &gt; 0 помогает кривошипу; ΔT отсчитывается от φ = 0.</source>
        <translation> рад/с — поле ω1. Mзв &gt; 0 допомагає кривошипу; ΔT відраховується від φ = 0.</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>Параметры механизма (*.tmm)</source>
        <translation>Параметри механізму (*.tmm)</translation>
    </message>
    <message>
        <source>Открыть параметры</source>
        <translation>Відкрити параметри</translation>
    </message>
    <message>
        <source>Сохранить параметры как</source>
        <translation>Зберегти параметри як</translation>
    </message>
    <message>
        <source>Экспорт таблицы</source>
        <translation>Експорт таблиці</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>Таблиця CSV (*.csv)</translation>
    </message>
    <message>
        <source>Отчёт</source>
        <translation>Звіт</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Папка для рисунков</source>
        <translation>Тека для рисунків</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Открыть параметры…</source>
        <translation>Відкрити параметри…</translation>
    </message>
    <message>
        <source>Сохранить параметры как…</source>
        <translation>Зберегти параметри як…</translation>
    </message>
    <message>
        <source>Экспорт таблицы (CSV)…</source>
        <translation>Експорт таблиці (CSV)…</translation>
    </message>
    <message>
        <source>Сохранить рисунки…</source>
        <translation>Зберегти рисунки…</translation>
    </message>
    <message>
        <source>Отчёт (PDF)…</source>
        <translation>Звіт (PDF)…</translation>
    </message>
    <message>
        <source>Предварительный просмотр…</source>
        <translation>Попередній перегляд…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Друк…</translation>
    </message>
    <message>
        <source>Не удалось прочитать параметры из файла %1</source>
        <translation>Не вдалося прочитати параметри з файлу %1</translation>
    </message>
    <message>
        <source>Параметры прочитаны из файла %1</source>
        <translation>Параметри прочитано з файлу %1</translation>
    </message>
    <message>
        <source>Не удалось сохранить параметры в файл %1</source>
        <translation>Не вдалося зберегти параметри у файл %1</translation>
    </message>
    <message>
        <source>Параметры записаны в файл %1</source>
        <translation>Параметри записано у файл %1</translation>
    </message>
    <message>
        <source>Результаты.csv</source>
        <translation>Результати.csv</translation>
    </message>
    <message>
        <source>Таблица записана в файл %1</source>
        <translation>Таблицю записано у файл %1</translation>
    </message>
    <message>
        <source>Рисунки записаны в папку %1</source>
        <translation>Рисунки записано в теку %1</translation>
    </message>
    <message>
        <source>Отчёт.pdf</source>
        <translation>Звіт.pdf</translation>
    </message>
    <message>
        <source>Запись отчёта…</source>
        <translation>Запис звіту…</translation>
    </message>
    <message>
        <source>Запись отчёта отменена, файл %1 не изменён</source>
        <translation>Запис звіту скасовано, файл %1 не змінено</translation>
    </message>
    <message>
        <source>Отчёт записан в файл %1</source>
        <translation>Звіт записано у файл %1</translation>
    </message>
    <message>
        <source>Не удалось начать печать на принтер «%1».</source>
        <translation>Не вдалося почати друк на принтер «%1».</translation>
    </message>
    <message>
        <source>Предварительный просмотр отчёта</source>
        <translation>Попередній перегляд звіту</translation>
    </message>
    <message>
        <source>Отчёт отправлен на печать</source>
        <translation>Звіт надіслано на друк</translation>
    </message>
</context>
<context>
    <name>ForcesTab</name>
    <message>
        <source>Fс не приложена: кривошип не проворачивается на полный оборот, поэтому рабочий ход ползуна не определён; Mб и реакции найдены без силы полезного сопротивления.</source>
        <translation>Fс не прикладено: кривошип не провертається на повний оберт, тому робочий хід повзуна не визначено; Mб і реакції знайдено без сили корисного опору.</translation>
    </message>
    <message>
        <source>Уравновешивающий момент</source>
        <translation>Зрівноважувальний момент</translation>
    </message>
    <message>
        <source>План сил группы 2–3</source>
        <translation>План сил групи 2–3</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Таблиця</translation>
    </message>
    <message>
        <source>q, кг/м</source>
        <translation>q, кг/м</translation>
    </message>
    <message>
        <source>Масса одного метра длины звена (для всех звеньев)</source>
        <translation>Маса одного метра довжини ланки (для всіх ланок)</translation>
    </message>
    <message>
        <source>m5, кг</source>
        <translation>m5, кг</translation>
    </message>
    <message>
        <source>Масса ползуна E</source>
        <translation>Маса повзуна E</translation>
    </message>
    <message>
        <source>Fс, Н</source>
        <translation>Fс, Н</translation>
    </message>
    <message>
        <source>Сила полезного сопротивления на рабочем ходу ползуна</source>
        <translation>Сила корисного опору на робочому ході повзуна</translation>
    </message>
    <message>
        <source>n1, об/мин</source>
        <translation>n1, об/хв</translation>
    </message>
    <message>
        <source>Частота вращения кривошипа; ω1 = π·n1/30 рад/с, как в поле ω1 вкладки «Ускорения»</source>
        <translation>Частота обертання кривошипа; ω1 = π·n1/30 рад/с, як у полі ω1 вкладки «Прискорення»</translation>
    </message>
    <message>
        <source>Учитывать силу тяжести</source>
        <translation>Враховувати силу тяжіння</translation>
    </message>
    <message>
        <source>Масштаб плана сил</source>
        <translation>Масштаб плану сил</translation>
    </message>
    <message>
        <source>Пикселей на 1 Н</source>
        <translation>Пікселів на 1 Н</translation>
    </message>
    <message>
        <source>Группа звеньев 2 (AB) и 3 (BC) в равновесии:
R12τ + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n + R12n = 0.

Fи — силы инерции (−m·aS), R42 — действие звена DE на шатун в точке D, R12 и R03 — реакции в шарнирах A и C, τ и n — их составляющие поперёк и вдоль звена.

Чёрные — известные силы, синие — найденные реакции, пунктир — полные реакции.</source>
        <translation>Група ланок 2 (AB) і 3 (BC) у рівновазі:
R12τ + G2 + Fи2 + R42 + G3 + Fи3 + R03τ + R03n + R12n = 0.

Fи — сили інерції (−m·aS), R42 — дія ланки DE на шатун у точці D, R12 і R03 — реакції в шарнірах A і C, τ і n — їхні складові поперек і вздовж ланки.

Чорні — відомі сили, сині — знайдені реакції, пунктир — повні реакції.</translation>
    </message>
    <message>
        <source>Наибольшая разность Mб двух методов: </source>
        <translation>Найбільша різниця Mб двох методів: </translation>
    </message>
    <message>
        <source> Н·м</source>
        <translation> Н·м</translation>
    </message>
    <message>
        <source>Положение </source>
        <translation>Положення </translation>
    </message>
    <message>
        <source>, Fс не приложена</source>
        <translation>, Fс не прикладено</translation>
    </message>
    <message>
        <source>, рабочий ход</source>
        <translation>, робочий хід</translation>
    </message>
    <message>
        <source>, холостой ход</source>
        <translation>, холостий хід</translation>
    </message>
</context>
<context>
    <name>Kinematics</name>
    <message>
        <source>Fи</source>
        <translation>Fі</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Язык</source>
        <translation>Мова</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Руководство</source>
        <translation>Посібник</translation>
    </message>
</context>
<context>
    <name>ModalProgress</name>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ResultsTableModel</name>
    <message>
        <source>%1 = %2 %3, положение %4, φ = %5°</source>
        <translation>%1 = %2 %3, положення %4, φ = %5°</translation>
    </message>
    <message>
        <source> (без округления %1 %2)</source>
        <translation> (без округлення %1 %2)</translation>
    </message>
</context>
<context>
    <name>SheetsCommand</name>
    <message>
        <source>Листы курсового проекта…</source>
        <translation>Аркуші курсового проєкту…</translation>
    </message>
    <message>
        <source>Листы (%1 файлов) записаны в папку %2</source>
        <translation>Аркуші (%1 файлів) записано в теку %2</translation>
    </message>
</context>
<context>
    <name>SheetsDialog</name>
    <message>
        <source>Листы курсового проекта</source>
        <translation>Аркуші курсового проєкту</translation>
    </message>
    <message>
        <source>Листы 1 (кинематика), 2 (силы) и 3 (динамика) в форматах PDF, SVG и DXF в натуральную величину.</source>
        <translation>Аркуші 1 (кінематика), 2 (сили) і 3 (динаміка) у форматах PDF, SVG і DXF у натуральну величину.</translation>
    </message>
    <message>
        <source>Обзор…</source>
        <translation>Огляд…</translation>
    </message>
    <message>
        <source>Студент:</source>
        <translation>Студент:</translation>
    </message>
    <message>
        <source>Группа:</source>
        <translation>Група:</translation>
    </message>
    <message>
        <source>Преподаватель:</source>
        <translation>Викладач:</translation>
    </message>
    <message>
        <source>Формат:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Положения K,L:</source>
        <translation>Положення K,L:</translation>
    </message>
    <message>
        <source>Папка:</source>
        <translation>Тека:</translation>
    </message>
    <message>
        <source>Записать листы</source>
        <translation>Записати аркуші</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Папка для листов</source>
        <translation>Тека для аркушів</translation>
    </message>
    <message>
        <source>Укажите папку для листов.</source>
        <translation>Вкажіть теку для аркушів.</translation>
    </message>
    <message>
        <source>Сколько положений механизма показать на схеме листа 1: от 1 до 24</source>
        <translation>Скільки положень механізму показати на схемі аркуша 1: від 1 до 24</translation>
    </message>
    <message>
        <source>Два положения схемы (0 … N−1) для планов, через запятую; пусто — одно рабочего и одно холостого хода</source>
        <translation>Два положення схеми (0 … N−1) для планів, через кому; порожньо — одне робочого і одне холостого ходу</translation>
    </message>
    <message>
        <source>Положений на схеме:</source>
        <translation>Положень на схемі:</translation>
    </message>
</context>
<context>
    <name>SolutionMenu</name>
    <message>
        <source>Ре&amp;шение</source>
        <translation>Розв&apos;&amp;язання</translation>
    </message>
    <message>
        <source>&amp;Ход решения…</source>
        <translation>&amp;Хід розв&apos;язання…</translation>
    </message>
    <message>
        <source>&amp;Проверка ответов…</source>
        <translation>&amp;Перевірка відповідей…</translation>
    </message>
    <message>
        <source>Ход решения</source>
        <translation>Хід розв&apos;язання</translation>
    </message>
    <message>
        <source>Ход решения для показанного положения механизма</source>
        <translation>Хід розв&apos;язання для показаного положення механізму</translation>
    </message>
</context>
<context>
    <name>SolutionWindow</name>
    <message>
        <source>Ход решения появится после расчёта: нажмите «Рассчитать» на вкладке «Рассчет».</source>
        <translation>Хід розв&apos;язання з&apos;явиться після розрахунку: натисніть «Розрахувати» на вкладці «Розрахунок».</translation>
    </message>
    <message>
        <source>Ход решения</source>
        <translation>Хід розв&apos;язання</translation>
    </message>
    <message>
        <source>Положение на чертеже</source>
        <translation>Положення на кресленні</translation>
    </message>
    <message>
        <source>Положение, которое показывает вкладка «Планы скоростей и положения механизма»</source>
        <translation>Положення, яке показує вкладка «Плани швидкостей і положення механізму»</translation>
    </message>
    <message>
        <source>Положение таблицы k =</source>
        <translation>Положення таблиці k =</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>В отчёт</source>
        <translation>До звіту</translation>
    </message>
    <message>
        <source>Добавить ход решения выбранного положения таблицы в отчёт PDF</source>
        <translation>Додати хід розв&apos;язання вибраного положення таблиці до звіту PDF</translation>
    </message>
    <message>
        <source>Убрать из отчёта все</source>
        <translation>Прибрати зі звіту всі</translation>
    </message>
    <message>
        <source>Положение вкладки «Планы скоростей и положения механизма» (%1 положений за оборот)
</source>
        <translation>Положення вкладки «Плани швидкостей і положення механізму» (%1 положень за оберт)
</translation>
    </message>
    <message>
        <source>Ход решения не составлен: %1</source>
        <translation>Хід розв&apos;язання не складено: %1</translation>
    </message>
    <message>
        <source>В отчёте хода решения нет.</source>
        <translation>У звіті ходу розв&apos;язання немає.</translation>
    </message>
    <message>
        <source>В отчёте положения таблицы: %1</source>
        <translation>У звіті положення таблиці: %1</translation>
    </message>
</context>
<context>
    <name>StaleResultNotes</name>
    <message>
        <source>Результаты предыдущего расчёта: Loa %1, Lab %2, Lbc %3, Lde %4, Loc %5 м, N %6; новый расчёт не выполнен</source>
        <translation>Результати попереднього розрахунку: Loa %1, Lab %2, Lbc %3, Lde %4, Loc %5 м, N %6; новий розрахунок не виконано</translation>
    </message>
</context>
<context>
    <name>StructureTab</name>
    <message>
        <source>Проверка Грасгофа и проворачиваемости появится после расчёта (кнопка «Рассчитать»).</source>
        <translation>Перевірка Грасгофа і провертання з&apos;явиться після розрахунку (кнопка «Розрахувати»).</translation>
    </message>
    <message>
        <source>Структурный анализ</source>
        <translation>Структурний аналіз</translation>
    </message>
    <message>
        <source>Проверка Грасгофа и проворачиваемость</source>
        <translation>Перевірка Грасгофа і провертання</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Расчет механизма</source>
        <translation>Розрахунок механізму</translation>
    </message>
    <message>
        <source>по ТММ</source>
        <translation>з ТММ</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Кинематический рассчет шарнирно-рычажного механизма</source>
        <translation>Кінематичний розрахунок шарнірно-важільного механізму</translation>
    </message>
    <message>
        <source>Рассчет </source>
        <translation>Розрахунок </translation>
    </message>
    <message>
        <source>Диаграммы</source>
        <translation>Діаграми</translation>
    </message>
    <message>
        <source>Диаграмы</source>
        <translation>Дослідження</translation>
    </message>
    <message>
        <source>Планы скоростей и положения механизма</source>
        <translation>Плани швидкостей і положення механізму</translation>
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
        <source>Динамика</source>
        <translation>Динаміка</translation>
    </message>
    <message>
        <source>Структура</source>
        <translation>Структура</translation>
    </message>
    <message>
        <source>Пример программы с сайта </source>
        <translation>Приклад програми з сайту </translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Руководство</source>
        <translation>Посібник</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>Вы уверены что хотите выйти из программы ? </source>
        <translation>Ви впевнені, що хочете вийти з програми? </translation>
    </message>
    <message>
        <source>Расчёт механизма…</source>
        <translation>Розрахунок механізму…</translation>
    </message>
    <message>
        <source>рассчитаны не все положения механизма</source>
        <translation>розраховано не всі положення механізму</translation>
    </message>
    <message>
        <source>
Увеличить: протяните левой кнопкой мыши вправо вниз; вернуть: протяните влево вверх.
Прокрутить: протяните правой кнопкой мыши.</source>
        <translation>
Збільшити: протягніть лівою кнопкою миші вправо вниз; повернути: протягніть вліво вгору.
Прокрутити: протягніть правою кнопкою миші.</translation>
    </message>
    <message>
        <source>Скорость ползуна E, м/с (для ω1 = 1 рад/с), по углу поворота кривошипа, рад</source>
        <translation>Швидкість повзуна E, м/с (для ω1 = 1 рад/с), за кутом повороту кривошипа, рад</translation>
    </message>
    <message>
        <source>Координата x точки A, м, по углу поворота кривошипа, рад</source>
        <translation>Координата x точки A, м, за кутом повороту кривошипа, рад</translation>
    </message>
    <message>
        <source>Траектория точки D: Yd, м, по Xd, м</source>
        <translation>Траєкторія точки D: Yd, м, за Xd, м</translation>
    </message>
    <message>
        <source>
Красным отмечены длины, при которых механизм заклинивает (угол передачи ближе 1° к 0° или 180°): они не выбираются.</source>
        <translation>
Червоним позначено довжини, за яких механізм заклинює (кут передачі ближче 1° до 0° або 180°): їх не вибирають.</translation>
    </message>
    <message>
        <source>Наибольший угол передачи, рад, по длине коромысла BC, мм</source>
        <translation>Найбільший кут передачі, рад, за довжиною коромисла BC, мм</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна Ve, м/с (для ω1 = 1 рад/с; наибольшая из N положений таблицы, выборочно), по длине коромысла BC, мм</source>
        <translation>Найбільша швидкість повзуна Ve, м/с (для ω1 = 1 рад/с; найбільша з N положень таблиці, вибірково), за довжиною коромисла BC, мм</translation>
    </message>
    <message>
        <source>Наименьший угол передачи, рад, по длине коромысла BC, мм</source>
        <translation>Найменший кут передачі, рад, за довжиною коромисла BC, мм</translation>
    </message>
    <message>
        <source>План скоростей и положения механизма в N-случаях</source>
        <translation>План швидкостей і положення механізму в N випадках</translation>
    </message>
    <message>
        <source>Положение</source>
        <translation>Положення</translation>
    </message>
    <message>
        <source>Угол поворота</source>
        <translation>Кут повороту</translation>
    </message>
    <message>
        <source>Анимация с частотой</source>
        <translation>Анімація з частотою</translation>
    </message>
    <message>
        <source>Масштаб плана скоростей</source>
        <translation>Масштаб плану швидкостей</translation>
    </message>
    <message>
        <source>Масштаб плана скоростей: пикселей на м/с (целое число)</source>
        <translation>Масштаб плану швидкостей: пікселів на м/с (ціле число)</translation>
    </message>
    <message>
        <source>Масштаб положений механизма</source>
        <translation>Масштаб положень механізму</translation>
    </message>
    <message>
        <source>Масштаб положений механизма: пикселей на метр (целое число)</source>
        <translation>Масштаб положень механізму: пікселів на метр (ціле число)</translation>
    </message>
    <message>
        <source>Не удалось прочитать параметры из файла startpar.tmm</source>
        <translation>Не вдалося прочитати параметри з файлу startpar.tmm</translation>
    </message>
    <message>
        <source>Не удалось сохранить параметры в файл startpar.tmm</source>
        <translation>Не вдалося зберегти параметри у файл startpar.tmm</translation>
    </message>
    <message>
        <source>(м)</source>
        <translation>(м)</translation>
    </message>
    <message>
        <source>Довжина кривошипа</source>
        <translation>Довжина кривошипа</translation>
    </message>
    <message>
        <source>Довжина шатуна</source>
        <translation>Довжина шатуна</translation>
    </message>
    <message>
        <source>Довжина коромисла</source>
        <translation>Довжина коромисла</translation>
    </message>
    <message>
        <source>Відстань між осями шарнирів</source>
        <translation>Відстань між осями шарнірів</translation>
    </message>
    <message>
        <source>Кількість положення мех-му</source>
        <translation>Кількість положень механізму</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Вихідні дані</translation>
    </message>
    <message>
        <source>Считать из файла</source>
        <translation>Зчитати з файлу</translation>
    </message>
    <message>
        <source>Сохранить в файл</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>: ожидается целое положительное число положений</source>
        <translation>: очікується ціле додатне число положень</translation>
    </message>
    <message>
        <source>: ожидается число в метрах больше 0,51 и не больше 0,9</source>
        <translation>: очікується число в метрах більше 0,51 і не більше 0,9</translation>
    </message>
    <message>
        <source>: ожидается положительное число в метрах</source>
        <translation>: очікується додатне число в метрах</translation>
    </message>
    <message>
        <source>&amp;Рассчитать</source>
        <translation>&amp;Розрахувати</translation>
    </message>
    <message>
        <source>Подбирать Lbc по исследованию</source>
        <translation>Підбирати Lbc за дослідженням</translation>
    </message>
    <message>
        <source>Включено: Рассчитать заменяет Lbc длиной, которую выбрало исследование.
Выключено: исследование выполняется и показывается, но расчёт, таблица, диаграммы и экспорт используют введённую Lbc.</source>
        <translation>Увімкнено: Розрахувати замінює Lbc довжиною, яку вибрало дослідження.
Вимкнено: дослідження виконується і показується, але розрахунок, таблиця, діаграми й експорт використовують введену Lbc.</translation>
    </message>
    <message>
        <source>Определение мертвых положений механизма</source>
        <translation>Визначення мертвих положень механізму</translation>
    </message>
    <message>
        <source>Значения углов поворота кривошипа при которых</source>
        <translation>Значення кутів повороту кривошипа, за яких</translation>
    </message>
    <message>
        <source>возникают мертвые положения механизма</source>
        <translation>виникають мертві положення механізму</translation>
    </message>
    <message>
        <source>φ = %1 (%2 рад) при Lbc = %3 м</source>
        <translation>φ = %1 (%2 рад) при Lbc = %3 м</translation>
    </message>
    <message>
        <source>Список — перебор через 1° при Lbc = %1 м.</source>
        <translation>Список — перебір через 1° при Lbc = %1 м.</translation>
    </message>
    <message>
        <source>
Крайние положения ползуна при Lbc = %1 м: %2, %3</source>
        <translation>
Крайні положення повзуна при Lbc = %1 м: %2, %3</translation>
    </message>
    <message>
        <source>Не удалось открыть адрес %1 в браузере</source>
        <translation>Не вдалося відкрити адресу %1 у браузері</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>- программа</source>
        <translation>- програма</translation>
    </message>
    <message>
        <source>проводящая кинематическое</source>
        <translation>що виконує кінематичне</translation>
    </message>
    <message>
        <source>исследование шарнирно-</source>
        <translation>дослідження шарнірно-</translation>
    </message>
    <message>
        <source>рычажного механизма</source>
        <translation>важільного механізму</translation>
    </message>
    <message>
        <source>Версия - 1</source>
        <translation>Версія - 1</translation>
    </message>
    <message>
        <source>Выполнил :</source>
        <translation>Виконав :</translation>
    </message>
    <message>
        <source>Разработчики</source>
        <translation>Розробники</translation>
    </message>
    <message>
        <source>программы Orvek</source>
        <translation>програми Orvek</translation>
    </message>
    <message>
        <source>учебная группа ТММ</source>
        <translation>навчальна група ТММ</translation>
    </message>
    <message>
        <source>курс теории машин</source>
        <translation>курс теорії машин</translation>
    </message>
    <message>
        <source>и механизмов</source>
        <translation>і механізмів</translation>
    </message>
    <message>
        <source>открытый проект</source>
        <translation>відкритий проєкт</translation>
    </message>
    <message>
        <source>2026 г.</source>
        <translation>2026 р.</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Пример программы с сайта </source>
        <translation>Приклад програми з сайту </translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
</context>
</TS>
