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

The Vandrel Gas project team

Version %1
Free software under the GNU General Public License,
version 3 or later (GPL-3.0-or-later).</source>
        <translation>Авторы программы:

Команда проекта «Газ Вандреля»

Версия %1
Свободная программа под лицензией GNU General Public License
версии 3 или более поздней (GPL-3.0-or-later).</translation>
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
&quot;Play&quot; (Space): once the settings are chosen, press it and watch the gas on the field; press it again to pause the motion.
&quot;Reverse&quot; (Ctrl+B): turn every electron back the way it came; pressed twice in a row, it undoes itself exactly. After as many steps
back as out, the line under the plot tells how many electrons are where they started: with &quot;Exact collisions&quot;, all after a short
run and few after a long one, as the computer&apos;s rounding errors grow at every collision.
&quot;Clear&quot;: remove all electrons from the field and start the plots afresh.
&quot;Record&quot; (Ctrl+R): add the measurement as it stands, with its settings, as a row of the results table (see &quot;Results&quot; below);
after a change of settings it refuses until &quot;Reset statistics&quot; starts the measurement again.
&quot;Save&quot; (Ctrl+S): save a picture of the field, the numbers of the plot (CSV; with &quot;Results&quot;, the results table), the plot itself
(PDF, PNG) or a lesson, by the file type.
&quot;Open…&quot; (Ctrl+O): open a lesson (the settings, the electrons, perhaps recorded results), as does dropping its file on the window;
it starts paused, and a lesson&apos;s title and notes show in a panel that you can close.
&quot;Example lessons…&quot;: open one of the lessons that come with the program: the ideal gas, excluded volume, closed pockets,
the mean free path, a strip&apos;s width and the arrow of time.
&quot;Trail mode&quot;: stop the motion and show the paths the electrons will take; not recommended with more than 10 electrons.
&quot;Lecture view&quot; (F11): show only the field, the plot and the buttons that run them, as large as the screen allows; again to go back.
F1 shows this guide. Escape leaves the lecture view, else the program; while you type in a box, it only drops the typing.

Settings (lengths in pixels, the field being 400 × 400; rest the mouse on a setting to see its range):
&quot;Electrons&quot;: the number of electrons on the field, 0 to 500.
Electrons can also be placed with the mouse: click on the field, or hold the button and move the cursor to aim the electron.
&quot;Side&quot;: the distance between the centres of neighbouring atoms.
&quot;Atom Radius&quot;, &quot;Electron Radius&quot;: the radii of the atoms and of the electrons. An electron that a change of these or of &quot;Side&quot;
leaves inside an atom or beyond a wall moves to the nearest free spot.
&quot;Speed&quot;: the speed of the electrons, in pixels per second.
&quot;Default direction&quot;: the direction of a clicked electron, in degrees clockwise from straight up;
it has no effect while &quot;Random default direction&quot; is checked.
&quot;Exact collisions&quot;: unchecked, a step moves each electron, then mirrors it in the walls crossed and bounces it off at most one atom
near its end, so a step longer than the gaps between the atoms or than the atoms jumps them (the read-out says when): at the
defaults the pressure is 4 % low and the mean free path 16 % long, at &quot;Side&quot; 30 the pressure is 58 % high; checked, every electron
follows its true path, meeting walls and atoms in turn. Switching starts the measurement again.

Probability Estimation:
&quot;Bins&quot;: divide the field into this number of equal vertical strips.
&quot;Bin to estimate P&quot;: the strip whose probability is plotted, highlighted in light blue.
&quot;Show bins&quot;: show the strips and the chosen strip on the field.
&quot;Fill the selected strip&quot;: put as many electrons as &quot;Electrons&quot; says at random free spots inside the chosen strip, in place of
those on the field, and start the measurement again: a gas let out of one strip.

Plots, below the field:
&quot;Probability&quot;: the probability of finding an electron in the chosen strip.
&quot;Pressure&quot;: the sum of the depths by which the electrons overshot the walls, per unit of T.
&quot;Density&quot;: each strip&apos;s share of the electrons, the shares summing to 1, drawn over the field&apos;s width from 0 to 1.
&quot;Mean free path&quot;: the path an electron flies between two contacts with a wall or an atom. Every stretch between contacts
is a chord of the free space, and chords averaged over all places and directions measure π × its area / its boundary.
&quot;Entropy&quot;: S = −Σ p ln(p / q) over the strips, p a strip&apos;s share of the electrons at this moment and q its share of the free space:
0 when the electrons are spread as the free space is, ln q when all are in one strip. Expected is its value for electrons placed at
random, about −(strips − 1) / (2 × electrons), the error its spread among such placements; after a start in one strip, the line
under the buttons tells how far S has risen.
&quot;Results&quot;: the rows recorded with &quot;Record&quot;, as points with ±1 error bars against a setting or the free area (chosen in &quot;x&quot;) for
a quantity (chosen in &quot;y&quot;), open for the stepwise rule and filled for &quot;Exact collisions&quot;, beside the expected values; the line
under the buttons counts the rows beyond 2 σ of them. &quot;Table&quot; shows the rows in place of the plot, to delete some (Delete) or
clear them; they outlive &quot;Clear&quot; and &quot;Reset statistics&quot;, and the program asks before rows not yet saved are lost.
T is model time, not a temperature: the path each electron has flown, divided by 100.
The plots average everything since the last &quot;Clear&quot; or &quot;Reset statistics&quot;, so after a change of settings they mix the old and the new.
&quot;Reset statistics&quot;: start the measurement and the plot again; the electrons stay where they are and keep moving.
The line under the buttons gives the plotted value with its standard error, from how much the electrons differ: they never
meet, so each repeats the experiment (&quot;± —&quot; with fewer than two); with the expected value shown, also that value and
how many errors (σ) the measurement lies from it, or why that comparison would mislead.
&quot;Show expected value&quot;: a dashed line at the value the plot approaches for electrons spread evenly over the free space, in all directions alike.

Projector:
To enlarge the whole program, start it with &quot;Enlarged (for a projector)&quot; from the desktop menu or with vandrel --enlarged:
it takes the largest enlargement (2, 1.75, 1.5 or 1.25) at which the window and the menu fit the screen with every control
in full; where none fits, the demonstration opens in the lecture view instead. The environment variable QT_SCALE_FACTOR
(for example 1.5) enlarges by exactly that factor and takes precedence.</source>
        <translation>Программа демонстрирует модель газа Вандреля: лёгкие частицы, электроны, летят по прямым среди неподвижных атомов решётки
и отражаются от атомов и от стенок поля.

Управление:
«Запуск» (пробел) — после ввода настроек нажмите эту кнопку и наблюдайте за газом на поле; повторное нажатие приостанавливает движение.
«Обратить» (Ctrl+B) — повернуть каждый электрон назад, туда, откуда он летел; два нажатия подряд в точности отменяют друг друга.
Когда шагов назад сделано столько же, сколько вперёд, строка под графиком скажет, сколько электронов вернулось на место: с «Точными
столкновениями» — все после короткого прогона и немногие после долгого, потому что ошибки округления растут с каждым столкновением.
«Очистить» — удалить все электроны с поля и начать графики заново.
«Записать» (Ctrl+R) — добавить текущее измерение с его настройками строкой в таблицу результатов (см. «Результаты» ниже);
после смены настроек кнопка не записывает, пока «Сбросить статистику» не начнёт измерение заново.
«Сохранить» (Ctrl+S) — сохранить изображение поля, числа графика (CSV; при графике «Результаты» — таблицу результатов),
сам график (PDF, PNG) или урок, по типу файла.
«Открыть…» (Ctrl+O) — открыть урок (настройки, электроны, иногда записанные результаты) или перетащить его файл на окно;
он открывается на паузе, а название и заметки урока появляются на панели, которую можно закрыть.
«Примеры уроков…» — открыть один из уроков, которые идут с программой: идеальный газ, исключённый объём, замкнутые ячейки,
длина свободного пробега, ширина отрезка и стрела времени.
«Показать траектории» — остановить движение и показать пути электронов; не рекомендуется, если электронов больше 10.
«Режим лекции» (F11) — показать только поле, график и кнопки запуска, так крупно, как позволяет экран; повторно — вернуться.
F1 открывает это руководство. Escape выходит из режима лекции, иначе завершает программу, а во время ввода числа только отменяет ввод.

Настройки (длины в пикселях, поле 400 × 400; наведите мышь на настройку, чтобы увидеть её пределы):
«Электроны» — число электронов на поле, от 0 до 500.
Электроны можно ставить и мышью: щёлкните по полю или, не отпуская кнопку, проведите курсором туда, куда электрон полетит.
«Расстояние» — расстояние между центрами соседних атомов.
«Радиус атома», «Радиус электрона» — радиусы атомов и электронов. Электрон, который после изменения этих настроек или
«Расстояния» оказался внутри атома или за стенкой, переходит в ближайшее свободное место.
«Скорость» — скорость электронов в пикселях в секунду.
«Направление» — направление электрона, поставленного щелчком, в градусах по часовой стрелке от направления вверх;
не действует, пока отмечено «Выбирать направление случайно».
«Точные столкновения» — без отметки шаг переносит электрон, затем отражает его от пересечённых стенок и не более чем от одного
атома у конца шага, поэтому шаг длиннее щелей между атомами или самих атомов перескакивает их (строка под графиком говорит
когда): при исходных настройках давление на 4 % ниже ожидаемого, а длина свободного пробега на 16 % больше, при «Расстоянии» 30
давление на 58 % выше; с отметкой каждый электрон летит по истинному пути. Переключение начинает измерение заново.

Оценка плотности:
«Отрезки» — разбить поле на введённое число равных вертикальных отрезков.
«Индекс отрезка» — отрезок, вероятность для которого строится на графике; на поле он выделен голубым цветом.
«Показать разбиение на отрезки» — показать на поле отрезки и выбранный отрезок.
«Заполнить выбранный отрезок» — поставить столько электронов, сколько указано в «Электронах», в случайные свободные места
внутри выбранного отрезка вместо электронов на поле и начать измерение заново: газ, выпущенный из одного отрезка.

Графики под полем:
«Вероятность» — вероятность найти электрон в выбранном отрезке.
«Давление» — сумма глубин, на которые электроны заходили за стенки, на единицу T.
«Плотность» — доля электронов в каждом отрезке (сумма долей равна 1) по ширине поля от 0 до 1.
«Длина свободного пробега» — путь электрона между двумя столкновениями со стенкой или атомом. Каждый участок между
столкновениями — хорда свободного пространства, а средняя хорда по всем местам и направлениям равна π × площадь / граница.
«Энтропия» — S = −Σ p ln(p / q) по отрезкам, где p — доля электронов в отрезке в данный момент, q — его доля свободного
пространства: 0, когда электроны распределены как свободное пространство, и ln q, когда все они в одном отрезке. Ожидаемое
значение — её значение для случайно расставленных электронов, около −(отрезки − 1) / (2 × электроны), ошибка — её разброс
при таких расстановках; если измерение началось в одном отрезке, строка под кнопками говорит, насколько выросла S.
«Результаты» — строки, записанные кнопкой «Записать», точками с ошибками ±1 в зависимости от настройки или свободной площади
(выбор «x») для величины (выбор «y»): пустые — пошаговое правило, закрашенные — «Точные столкновения», рядом ожидаемые
значения; строка под кнопками считает строки дальше 2 σ от них. «Таблица» показывает строки вместо графика, чтобы удалить
некоторые (Delete) или очистить её; строки переживают «Очистить» и «Сбросить статистику», а прежде чем несохранённые строки
пропадут, программа спросит.
T — модельное время, а не температура: путь, пройденный каждым электроном, делённый на 100.
Графики усредняют всё, что было после последнего нажатия «Очистить» или «Сбросить статистику», поэтому после смены настроек
в них смешаны старое и новое.
«Сбросить статистику» — начать измерение и график заново; электроны остаются на местах и продолжают движение.
Строка под кнопками даёт измеренное значение со стандартной ошибкой по тому, насколько различаются электроны: они не
встречаются, и каждый повторяет опыт («± —», если электронов меньше двух); если показано ожидаемое значение, также его
и то, на сколько ошибок (σ) от него отстоит измерение, или почему такое сравнение ввело бы в заблуждение.
«Показать ожидаемое значение» — штриховая линия на уровне, к которому стремится график для электронов, равномерно заполняющих
свободное место и летящих во все стороны.

Проектор:
Чтобы увеличить всю программу, запустите её пунктом «Крупно (для проектора)» в меню рабочего стола или командой vandrel --enlarged:
программа выберет наибольшее увеличение (2; 1,75; 1,5 или 1,25), при котором окно и меню целиком помещаются на экране;
если не подходит ни одно, демонстрация откроется в режиме лекции. QT_SCALE_FACTOR (например, 1.5) задаёт увеличение точно.</translation>
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
        <source>Kinetic Theory
Laboratory</source>
        <translation>Лаборатория
кинетической теории</translation>
    </message>
    <message>
        <source>Computer demonstrations</source>
        <translation>Компьютерные демонстрации</translation>
    </message>
    <message>
        <source>for the lecture course on</source>
        <translation>к лекционному курсу</translation>
    </message>
    <message>
        <source>Statistical Physics</source>
        <translation>статистическая физика</translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>a list of %1</source>
        <translation>список из %1</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>an integer from %1 to %2</source>
        <translation>целое число от %1 до %2</translation>
    </message>
    <message>
        <source>a number from %1 to %2</source>
        <translation>число от %1 до %2</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true или false</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>одно из: %1</translation>
    </message>
    <message>
        <source>a list of at most %1 electrons</source>
        <translation>список не более чем из %1 электронов</translation>
    </message>
    <message>
        <source>[x, y, angle]</source>
        <translation>[x, y, угол]</translation>
    </message>
    <message>
        <source>a finite number</source>
        <translation>конечное число</translation>
    </message>
    <message>
        <source>%1: not a field of a lesson</source>
        <translation>%1: такого поля в уроке нет</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: нет в файле</translation>
    </message>
    <message>
        <source>%1: %2 is not %3</source>
        <translation>%1: %2 — не %3</translation>
    </message>
    <message>
        <source>not a lesson: it has no &quot;%1&quot; field</source>
        <translation>не урок: нет поля «%1»</translation>
    </message>
    <message>
        <source>a version such as &quot;%1&quot;</source>
        <translation>версия вида «%1»</translation>
    </message>
    <message>
        <source>%1: %2 is not a version this program reads; it reads %3.x</source>
        <translation>%1: версию %2 программа не читает; она читает %3.x</translation>
    </message>
    <message>
        <source>not a lesson: the file is empty</source>
        <translation>не урок: файл пуст</translation>
    </message>
    <message>
        <source>not a lesson: %1 at character %2</source>
        <translation>не урок: %1 в символе %2</translation>
    </message>
    <message>
        <source>not a lesson: the text is not one JSON object</source>
        <translation>не урок: текст — не один объект JSON</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не читается: %1</translation>
    </message>
    <message>
        <source>not a lesson: larger than %1 bytes</source>
        <translation>не урок: больше %1 байт</translation>
    </message>
    <message>
        <source>a line of at most %1 characters</source>
        <translation>строка не длиннее %1 знаков</translation>
    </message>
    <message>
        <source>a text of at most %1 characters</source>
        <translation>текст не длиннее %1 знаков</translation>
    </message>
    <message>
        <source>columns and at most %1 rows</source>
        <translation>столбцы и не больше %1 строк</translation>
    </message>
    <message>
        <source>a list of %1 cells</source>
        <translation>список из %1 ячеек</translation>
    </message>
    <message>
        <source>a value of that column</source>
        <translation>значение этого столбца</translation>
    </message>
</context>
<context>
    <name>Quantity</name>
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
        <translation>Отрезок %1: %2 ± %3</translation>
    </message>
    <message>
        <source>ℓ = %1 ± %2 px</source>
        <translation>ℓ = %1 ± %2 пикс.</translation>
    </message>
    <message>
        <source>S = %1 ± %2</source>
        <translation>S = %1 ± %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>именованный канал (FIFO)</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>устройство</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>особый файл</translation>
    </message>
    <message>
        <source>%1, not a regular file</source>
        <translation>это %1, а не обычный файл</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>файла нет</translation>
    </message>
    <message>
        <source>a loop of symbolic links</source>
        <translation>петля символических ссылок</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не читается: %1</translation>
    </message>
</context>
<context>
    <name>ResultsPlot</name>
    <message>
        <source>exact collisions</source>
        <translation>точные столкновения</translation>
    </message>
    <message>
        <source>stepwise rule</source>
        <translation>пошаговое правило</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>ожидается</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>Atom radius</source>
        <translation>Радиус атома</translation>
    </message>
    <message>
        <source>Electron radius</source>
        <translation>Радиус электрона</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Electrons</source>
        <translation>Электроны</translation>
    </message>
    <message>
        <source>Strips</source>
        <translation>Отрезки</translation>
    </message>
    <message>
        <source>Free area</source>
        <translation>Свободная площадь</translation>
    </message>
    <message>
        <source>Electrons per free area</source>
        <translation>Электроны на свободную площадь</translation>
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
        <translation>&lt;i&gt;Нажмите на поле с атомами чтобы добавить электрон, проведите курсором по полю, чтобы задать направление.&lt;/i&gt;</translation>
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
        <source>%1, no room for electrons</source>
        <translation>%1, нет места для электронов</translation>
    </message>
    <message>
        <source>Give every electron placed by a click on the field
a random direction instead of the default one.</source>
        <translation>Давать каждому электрону, поставленному щелчком по полю,
случайное направление вместо заданного.</translation>
    </message>
    <message>
        <source>Draw the strips on the field, the chosen one in light blue.</source>
        <translation>Показать отрезки на поле, выбранный — голубым цветом.</translation>
    </message>
    <message>
        <source>Plot the probability of finding an electron in the chosen strip
against model time T.</source>
        <translation>График вероятности найти электрон в выбранном отрезке
в зависимости от модельного времени T.</translation>
    </message>
    <message>
        <source>Plot the sum of the depths by which the electrons overshot the walls,
per unit of model time T.</source>
        <translation>График суммы глубин, на которые электроны заходили за стенки,
на единицу модельного времени T.</translation>
    </message>
    <message>
        <source>Plot each strip&apos;s share of the electrons (the shares sum to 1)
across the field&apos;s width, from 0 to 1.</source>
        <translation>График доли электронов в каждом отрезке (сумма долей равна 1)
по ширине поля от 0 до 1.</translation>
    </message>
    <message>
        <source>Draw as a dashed line the value the plot approaches
for electrons spread evenly over the space free of atoms.</source>
        <translation>Показать штриховой линией значение, к которому стремится график,
для электронов, равномерно заполняющих место, свободное от атомов.</translation>
    </message>
    <message>
        <source>%1, expected %2</source>
        <translation>%1, ожидается %2</translation>
    </message>
    <message>
        <source>Open a lesson saved with Save: its settings and electrons, ready to run.</source>
        <translation>Открыть урок, сохранённый кнопкой «Сохранить»: его настройки и электроны, готовые к запуску.</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Open Lesson</source>
        <translation>Открыть урок</translation>
    </message>
    <message>
        <source>Could not open the lesson %1:
%2.</source>
        <translation>Не удалось открыть урок %1:
%2.</translation>
    </message>
    <message>
        <source>Lesson (*.vandrel)</source>
        <translation>Урок (*.vandrel)</translation>
    </message>
    <message>
        <source>Plot the path an electron flies between two contacts
with a wall or an atom, against T, the model time.</source>
        <translation>Построить путь, который электрон пролетает между двумя столкновениями
со стенкой или атомом, в зависимости от модельного времени T.</translation>
    </message>
    <message>
        <source>Mean free path</source>
        <translation>Длина свободного пробега</translation>
    </message>
    <message>
        <source>Show only the field and the plot, as large as the screen allows (F11); again for all the controls.</source>
        <translation>Показать только поле и график, так крупно, как позволяет экран (F11); повторно — все элементы управления.</translation>
    </message>
    <message>
        <source>Lecture view</source>
        <translation>Режим лекции</translation>
    </message>
    <message>
        <source>Plot for a slide (*.pdf)</source>
        <translation>График для слайда (*.pdf)</translation>
    </message>
    <message>
        <source>Plot for a slide, picture (*.png)</source>
        <translation>График для слайда, рисунок (*.png)</translation>
    </message>
    <message>
        <source>Could not save the numbers to %1: %2.</source>
        <translation>Не удалось сохранить данные в файл %1: %2.</translation>
    </message>
    <message>
        <source>Could not save the lesson to %1: %2.</source>
        <translation>Не удалось сохранить урок в файл %1: %2.</translation>
    </message>
    <message>
        <source>Could not save the plot to %1: %2.</source>
        <translation>Не удалось сохранить график в файл %1: %2.</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>измерено</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>ожидается</translation>
    </message>
    <message>
        <source>Could not save the field picture to %1: %2.</source>
        <translation>Не удалось сохранить изображение поля в файл %1: %2.</translation>
    </message>
    <message>
        <source>The settings changed since the measurement began: “%1” starts it again.</source>
        <translation>Настройки изменились после начала измерения: «%1» начнёт его заново.</translation>
    </message>
    <message>
        <source>The stepwise rule settles off the expected value, the more the faster; “%1” meets it.</source>
        <translation>Пошаговое правило смещает значения тем сильнее, чем быстрее электроны; с отметкой «%1» смещения нет.</translation>
    </message>
    <message>
        <source>Each electron stays in its own pocket: the values hold on average over placements.</source>
        <translation>Каждый электрон заперт в своей ячейке: значения верны лишь в среднем по расстановкам.</translation>
    </message>
    <message>
        <source>%1, expected %2 (%3)</source>
        <translation>%1, ожидается %2 (%3)</translation>
    </message>
    <message>
        <source>A step of %1 px crosses gaps of %2 px: electrons pass through atoms; “%3” meets the expected value.</source>
        <translation>Шаг в %1 пикс. перескакивает щели в %2 пикс.: электроны проходят сквозь атомы; с отметкой «%3» получаются ожидаемые значения.</translation>
    </message>
    <message>
        <source>A step of %1 px crosses atoms %2 px across: electrons pass through them; “%3” meets the expected value.</source>
        <translation>Шаг в %1 пикс. длиннее атома (%2 пикс. поперёк): электроны проходят сквозь атомы; с отметкой «%3» получаются ожидаемые значения.</translation>
    </message>
    <message>
        <source>Electrons that met only walls since the measurement began: %1; they lift ℓ.</source>
        <translation>Электронов, встречавших с начала измерения только стенки: %1; они завышают ℓ.</translation>
    </message>
    <message>
        <source>Take every electron away and place as many as Electrons says at random in the chosen strip, then start the measurement again: a gas let out of one strip.</source>
        <translation>Убрать все электроны и поставить столько, сколько указано в «Электроны», в случайные места выбранного отрезка, затем начать измерение заново: газ, выпущенный из одного отрезка.</translation>
    </message>
    <message>
        <source>Fill the selected strip</source>
        <translation>Заполнить выбранный отрезок</translation>
    </message>
    <message>
        <source>Plot the entropy of where the electrons are over the strips, against T: 0 when they are spread as the free space is, below 0 when they gather; with the value it has for electrons placed at random.</source>
        <translation>Построить энтропию расположения электронов по отрезкам от T: 0, когда они распределены как свободное пространство, меньше 0, когда они собираются; вместе с её значением для случайно расставленных электронов.</translation>
    </message>
    <message>
        <source>Entropy</source>
        <translation>Энтропия</translation>
    </message>
    <message>
        <source>Plot the recorded results, each with its standard error, against a setting or what the settings make of the field.</source>
        <translation>Построить записанные результаты, каждый со стандартной ошибкой, в зависимости от настройки или от того, что настройки делают с полем.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>x:</source>
        <translation>x:</translation>
    </message>
    <message>
        <source>What the results are plotted against.</source>
        <translation>От чего строятся результаты.</translation>
    </message>
    <message>
        <source>y:</source>
        <translation>y:</translation>
    </message>
    <message>
        <source>Which measured quantity of the results is plotted.</source>
        <translation>Какая измеренная величина результатов строится.</translation>
    </message>
    <message>
        <source>Show the results table in place of the plot, to delete rows or clear it.</source>
        <translation>Показать таблицу результатов вместо графика, чтобы удалить строки или очистить её.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Delete the rows selected in the table (Delete).</source>
        <translation>Удалить выделенные в таблице строки (Delete).</translation>
    </message>
    <message>
        <source>Delete rows</source>
        <translation>Удалить строки</translation>
    </message>
    <message>
        <source>Delete every row of the results table, after a question.</source>
        <translation>Удалить все строки таблицы результатов, спросив сначала.</translation>
    </message>
    <message>
        <source>Clear table</source>
        <translation>Очистить таблицу</translation>
    </message>
    <message>
        <source>Turn every electron back along the way it came (Ctrl+B); the time runs on. Along exact collisions the gas retraces its paths until the computer&apos;s rounding errors, grown at every collision, win.</source>
        <translation>Развернуть каждый электрон назад по его пути (Ctrl+B); время идёт дальше. При точных столкновениях газ проходит свои пути обратно, пока ошибки округления компьютера, растущие при каждом столкновении, не возьмут верх.</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Обратить</translation>
    </message>
    <message>
        <source>Add the measurement as it stands to the results table, with its settings (Ctrl+R). Not after a change of settings: reset the statistics first.</source>
        <translation>Добавить текущее измерение с его настройками в таблицу результатов (Ctrl+R). Не после смены настроек: сначала сбросьте статистику.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Open one of the lessons that come with the program.</source>
        <translation>Открыть один из уроков, поставляемых с программой.</translation>
    </message>
    <message>
        <source>Example lessons…</source>
        <translation>Примеры уроков…</translation>
    </message>
    <message>
        <source>No results yet: “%1” adds the measurement as it stands.</source>
        <translation>Результатов пока нет: «%1» добавляет текущее измерение.</translation>
    </message>
    <message>
        <source>Rows: %1; beyond 2 σ of their expected values: %2</source>
        <translation>Строк: %1; дальше 2 σ от ожидаемых значений: %2</translation>
    </message>
    <message>
        <source>Not recorded: the settings changed since the measurement began; “%1” first.</source>
        <translation>Не записано: настройки менялись после начала измерения; сначала «%1».</translation>
    </message>
    <message>
        <source>Not recorded: nothing has been measured yet.</source>
        <translation>Не записано: ещё ничего не измерено.</translation>
    </message>
    <message>
        <source>Recorded as row %1 of the results.</source>
        <translation>Записано в строку %1 результатов.</translation>
    </message>
    <message>
        <source>Delete all %1 rows of the results table?</source>
        <translation>Удалить все строки таблицы результатов (%1)?</translation>
    </message>
    <message>
        <source>The results table has %1 rows that are not saved. End the program without them?</source>
        <translation>В таблице результатов есть несохранённые строки (%1). Завершить программу без них?</translation>
    </message>
    <message>
        <source>Back after the reverse: %1 of %2 electrons within 10⁻⁶ px of where they started; median distance %3 px.</source>
        <translation>После обращения вернулись: %1 из %2 электронов ближе 10⁻⁶ пикс. к месту старта; медиана расстояния %3 пикс.</translation>
    </message>
    <message>
        <source>Rose by %1 of ln(1/q%2) = %3.</source>
        <translation>Выросла на %1 из ln(1/q%2) = %3.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Opening the lesson replaces the %1 rows of the results table, which are not saved. Open it all the same?</source>
        <translation>Открытие урока заменит несохранённые строки таблицы результатов (%1). Всё равно открыть?</translation>
    </message>
    <message>
        <source>The example lessons are not installed.</source>
        <translation>Примеры уроков не установлены.</translation>
    </message>
    <message>
        <source>Number of electrons on the field: %1 to %2.
A typed number applies when you press Enter.</source>
        <translation>Число электронов на поле: от %1 до %2.
Введённое число применяется по нажатию Enter.</translation>
    </message>
    <message>
        <source>Distance between the centres of neighbouring atoms: %1 to %2 pixels.</source>
        <translation>Расстояние между центрами соседних атомов: от %1 до %2 пикселей.</translation>
    </message>
    <message>
        <source>Radius of the atoms: %1 to %2 pixels.</source>
        <translation>Радиус атомов: от %1 до %2 пикселей.</translation>
    </message>
    <message>
        <source>Radius of the electrons: %1 to %2 pixels.</source>
        <translation>Радиус электронов: от %1 до %2 пикселей.</translation>
    </message>
    <message>
        <source>Speed of the electrons: %1 to %2 pixels per second.</source>
        <translation>Скорость электронов: от %1 до %2 пикселей в секунду.</translation>
    </message>
    <message>
        <source>Direction of an electron placed by a click on the field:
%1 to %2 degrees clockwise from up (90 points right).</source>
        <translation>Направление электрона, поставленного щелчком по полю:
от %1 до %2 градусов по часовой стрелке от направления вверх (90 — вправо).</translation>
    </message>
    <message>
        <source>Number of equal vertical strips the field is cut into: %1 to %2.</source>
        <translation>Число равных вертикальных отрезков, на которые делится поле: от %1 до %2.</translation>
    </message>
    <message>
        <source>The strip whose probability is plotted, counted from the left:
%1 to the number of strips.</source>
        <translation>Отрезок, вероятность для которого строится на графике, считая слева:
от %1 до числа отрезков.</translation>
    </message>
    <message>
        <source>%1; open circles: the stepwise rule</source>
        <translation>%1; пустые кружки — пошаговое правило</translation>
    </message>
    <message>
        <source>Not recorded: the results table is full with %1 rows.</source>
        <translation>Не записано: таблица результатов заполнена, в ней %1 строк.</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>не удалось нарисовать PDF</translation>
    </message>
</context>
</TS>
