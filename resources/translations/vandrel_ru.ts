<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
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
        <source>About</source>
        <translation>Авторы</translation>
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
</context>
</TS>
