<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Authors</source>
        <translation>Авторы</translation>
    </message>
    <message>
        <source>Authors of the program:

The Vandrel Gas project team</source>
        <translation>Авторы программы:

Команда проекта «Газ Вандреля»</translation>
    </message>
</context>
<context>
    <name>DescDialog</name>
    <message>
        <source>User Guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>The program demonstrates the Vandrel model gas: light particles, electrons, fly in straight lines among the fixed atoms of a lattice
and bounce off the atoms and the walls of the field.

Control:
&quot;Play&quot;: once the settings are chosen, press it and watch the gas on the field; press it again to pause the motion.
&quot;Clear&quot;: remove all electrons from the field.
&quot;Save&quot;: save a picture of the field or the numbers of the plot to a file.
&quot;Trail mode&quot;: stop the motion and show the paths the electrons will take; not recommended with more than 10 electrons.

Settings:
&quot;Electrons&quot;: the number of electrons on the field.
Electrons can also be placed with the mouse: click on the field, or hold the button and move the cursor to aim the electron.
&quot;Side&quot;: the distance between the centres of neighbouring atoms.
&quot;Atom Radius&quot;: the radius of the atoms.
&quot;Electron Radius&quot;: the radius of the electrons.
&quot;Speed&quot;: the speed of the electrons.
&quot;Default direction&quot;: the direction of a clicked electron, in degrees clockwise from straight up;
it has no effect while &quot;Random default direction&quot; is checked.

Probability Estimation:
&quot;Bins&quot;: divide the field into this number of equal vertical strips.
&quot;Bin to estimate P&quot;: the strip whose probability is plotted, highlighted in light blue.
&quot;Show bins&quot;: show the strips and the chosen strip on the field.

Plots:
Below the field, a plot shows one of three quantities: the pressure of the gas on the walls, the probability of finding
an electron in the chosen strip, or the density of the electrons across the strips.
The plot is updated at every step while the electrons move.

Expected values and the numbers of the plot:
&quot;Show expected value&quot;: show as a dashed line the value the plot approaches.
It is the value for electrons spread evenly over the space free of atoms and flying in all directions alike.
At high speed the measurement drifts away from it: an electron&apos;s step becomes comparable with the gaps between the atoms.
&quot;Save&quot; with the CSV file type writes the numbers of the plot: the time and the value, or for the density the strip number
and the density; with the line shown, the expected value too.

Projector:
To enlarge the whole program, start it with &quot;Enlarged (for a projector)&quot; from the desktop menu
or with the environment variable QT_SCALE_FACTOR=1.5 (or 2).</source>
        <translation>Программа демонстрирует модель газа Вандреля: электроны движутся среди неподвижных атомов решётки и отражаются от атомов и от стенок поля.

Управление:
«Запуск» — после ввода всех настроек нажмите эту кнопку и наблюдайте за процессом на поле; повторное нажатие приостанавливает движение.
«Очистить» — удалить все электроны с поля.
«Сохранить» — сохранить изображение поля или числа графика в файл.
«Показать траектории» — остановить движение электронов и показать их траектории; не рекомендуется, если электронов больше 10.

Настройки:
«Электроны» — число электронов на поле.
Электроны можно ставить на поле и кнопкой мыши; если провести курсор в нужную сторону, не отпуская кнопку, электрон полетит туда после запуска.
«Расстояние» — расстояние между центрами атомов.
«Радиус атома» — радиус атомов решётки.
«Радиус электрона» — радиус электронов.
«Скорость» — скорость движения электронов.
«Направление» — угол направления движения электронов; не действует, пока отмечено «Выбирать направление случайно».

Оценка плотности:
«Отрезки» — разбить плоскость поля на введённое число отрезков.
«Индекс отрезка» — выделить выбранный отрезок голубым цветом.
«Показать разбиение на отрезки» — показать на поле отрезки и выбранный отрезок.

Графики:
Под полем строится график одной из трёх величин на выбор: давления частиц газа, вероятности или плотности их распределения.
График обновляется на каждом шаге, пока электроны движутся.

Ожидаемые значения и числа графика:
«Показать ожидаемое значение» — показать штриховой линией, к чему стремится график.
Ожидаемое значение рассчитано для электронов, равномерно заполняющих место, свободное от атомов, и летящих во все стороны.
При большой скорости измерения отходят от ожидаемых значений: шаг электрона становится сравним с промежутками между атомами.
«Сохранить» с типом файла CSV — записать числа графика: время и значение, для плотности — номер отрезка и плотность;
если линия показана, в файл войдёт и ожидаемое значение.

Проектор:
Чтобы увеличить всю программу, запустите её пунктом «Крупно (для проектора)» в меню рабочего стола
или с переменной окружения QT_SCALE_FACTOR=1.5 (или 2).</translation>
    </message>
</context>
<context>
    <name>Introb</name>
    <message>
        <source>Demonstration</source>
        <translation>Демонстрация</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Authors</source>
        <translation>Авторы</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Physics Teaching
Laboratory</source>
        <translation>Учебный физический
практикум</translation>
    </message>
    <message>
        <source>Vandrel Gas Model</source>
        <translation>Модель газа Вандреля</translation>
    </message>
    <message>
        <source>Department of Theoretical Physics</source>
        <translation>Кафедра теоретической физики</translation>
    </message>
    <message>
        <source>Computer Demonstrations</source>
        <translation>Компьютерные демонстрации</translation>
    </message>
    <message>
        <source>for the lecture course</source>
        <translation>к лекционному курсу</translation>
    </message>
    <message>
        <source>statistical physics</source>
        <translation>статистическая физика</translation>
    </message>
    <message>
        <source>Kinetic Theory
Laboratory</source>
        <translation>Лаборатория
кинетической теории</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Файл %1 уже существует.
Заменить его?</translation>
    </message>
    <message>
        <source>&lt;i&gt;Click on the field to add an electron, then drag the cursor to set the direction vector or just click to use default direction.&lt;/i&gt;</source>
        <translation>&lt;i&gt;Нажмите на поле с атомами чтобы добавить электрон, проведите курсором по полю, чтобы задать направление.&lt;i&gt;</translation>
    </message>
    <message>
        <source>Atom Radius:</source>
        <translation>Радиус атома:</translation>
    </message>
    <message>
        <source>Bin to estimate P:</source>
        <translation>Индекс отрезка:</translation>
    </message>
    <message>
        <source>Bins:</source>
        <translation>Отрезки:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Could not save the numbers to %1.</source>
        <translation>Не удалось сохранить данные в файл %1.</translation>
    </message>
    <message>
        <source>Could not save the picture to %1.</source>
        <translation>Не удалось сохранить изображение в файл %1.</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Default direction (°):</source>
        <translation>Направление (°)</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Плотность</translation>
    </message>
    <message>
        <source>Electron Radius:</source>
        <translation>Радиус электрона:</translation>
    </message>
    <message>
        <source>Electrons:</source>
        <translation>Электроны:</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Physics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Давление</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Вероятность</translation>
    </message>
    <message>
        <source>Probability Estimation</source>
        <translation>Оценка плотности</translation>
    </message>
    <message>
        <source>Random default direction</source>
        <translation>Выбирать направление случайно</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Show expected value</source>
        <translation>Показать ожидаемое значение</translation>
    </message>
    <message>
        <source>Show bins</source>
        <translation>Показать разбиение на отрезки</translation>
    </message>
    <message>
        <source>Side:</source>
        <translation>Расстояние:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Trail mode</source>
        <translation>Показать траектории</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>В главное меню</translation>
    </message>
    <message>
        <source>PNG Images (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>CSV Data (*.csv)</source>
        <translation>Данные CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Shot</source>
        <translation>Сохранить снимок</translation>
    </message>
    <message>
        <source>Move the electrons along their true paths, meeting every wall and atom in turn, as often as a step allows. Unchecked, each step moves first and then reflects from the walls and from at most one atom near where it ends. Switching starts the measurement again.</source>
        <translation>Электроны движутся по своим истинным путям и встречают каждую стенку и каждый атом по очереди, сколько бы их ни было за шаг. Без отметки каждый шаг сначала переносит электрон, а затем отражает его от стенок и не более чем от одного атома вблизи конца шага. Переключение начинает измерение заново.</translation>
    </message>
    <message>
        <source>Exact collisions</source>
        <translation>Точные столкновения</translation>
    </message>
    <message>
        <source>The value measured since the last Clear or reset, with its standard error; with the expected value shown, also that value and how many standard errors the measurement lies from it.</source>
        <translation>Значение, измеренное с последней очистки или сброса, со стандартной ошибкой; если показано ожидаемое значение — также оно и то, на сколько стандартных ошибок от него отстоит измерение.</translation>
    </message>
    <message>
        <source>Start the measurement and the plot again; the electrons stay where they are and keep moving.</source>
        <translation>Начать измерение и график заново; электроны остаются на своих местах и продолжают движение.</translation>
    </message>
    <message>
        <source>Reset statistics</source>
        <translation>Сбросить статистику</translation>
    </message>
    <message>
        <source>P = %1 ± %2</source>
        <translation>P = %1 ± %2</translation>
    </message>
    <message>
        <source>p = %1 ± %2</source>
        <translation>p = %1 ± %2</translation>
    </message>
    <message>
        <source>Strip %1: %2 ± %3</source>
        <translation>Полоса %1: %2 ± %3</translation>
    </message>
    <message>
        <source>%1, no room for electrons</source>
        <translation>%1, нет места для электронов</translation>
    </message>
    <message>
        <source>%1, expected %2 (%3 σ)</source>
        <translation>%1, ожидается %2 (%3 σ)</translation>
    </message>
    <message>
        <source>%1, expected %2</source>
        <translation>%1, ожидается %2</translation>
    </message>
</context>
</TS>
