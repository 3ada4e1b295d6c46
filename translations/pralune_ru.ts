<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ChannelPanelSettingsWidget</name>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Coupling</source>
        <translation>Связь по входу</translation>
    </message>
    <message>
        <source>Input impedance</source>
        <translation>Входное сопротивление</translation>
    </message>
    <message>
        <source>50 Ω</source>
        <translation>50 Ом</translation>
    </message>
    <message>
        <source>1 MΩ</source>
        <translation>1 МОм</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса пропускания</translation>
    </message>
    <message>
        <source>DC offset&lt;hr&gt;Vertical offset in Volts</source>
        <translation>Смещение&lt;hr&gt;Смещение по вертикали в вольтах</translation>
    </message>
    <message>
        <source>DC offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>CursorInterface</name>
    <message>
        <source>n</source>
        <translation>н</translation>
    </message>
    <message>
        <source>u</source>
        <translation>мк</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Cur%1 </source>
        <translation>Кур%1 </translation>
    </message>
</context>
<context>
    <name>CursorsSettingsWidget</name>
    <message>
        <source>Cursors settings</source>
        <translation>Настройки курсоров</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключены</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Слежение</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Напряжение</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ручной</translation>
    </message>
    <message>
        <source>Source 1</source>
        <translation>Источник 1</translation>
    </message>
    <message>
        <source>Source 2</source>
        <translation>Источник 2</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>DigitalMultimeterPinnedWidget</name>
    <message>
        <source>Measurement range</source>
        <translation>Диапазон измерения</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>    OVER</source>
        <translation>    ПЕРЕГР</translation>
    </message>
</context>
<context>
    <name>DigitalMultimeterView</name>
    <message>
        <source>Digital Multimeter</source>
        <translation>Цифровой мультиметр</translation>
    </message>
</context>
<context>
    <name>DigitalMultimeterWidget</name>
    <message>
        <source>Functions</source>
        <translation>Функции</translation>
    </message>
    <message>
        <source>DC voltage</source>
        <translation>Постоянное напряжение</translation>
    </message>
    <message>
        <source>AC voltage</source>
        <translation>Переменное напряжение</translation>
    </message>
    <message>
        <source>DC current</source>
        <translation>Постоянный ток</translation>
    </message>
    <message>
        <source>AC current</source>
        <translation>Переменный ток</translation>
    </message>
    <message>
        <source>2-wire resistance</source>
        <translation>Сопротивление (2-пров.)</translation>
    </message>
    <message>
        <source>4-wire resistance</source>
        <translation>Сопротивление (4-пров.)</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Continuity</source>
        <translation>Прозвонка</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Measurement range</source>
        <translation>Диапазон измерения</translation>
    </message>
    <message>
        <source>Acquisition</source>
        <translation>Сбор данных</translation>
    </message>
    <message>
        <source>Scan time</source>
        <translation>Развёртка</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Блок</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Однокр.</translation>
    </message>
    <message>
        <source>Single&lt;hr&gt;Read one data package immediately</source>
        <translation>Однократный&lt;hr&gt;Сразу прочитать один пакет данных</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Auto&lt;hr&gt;Start data reading</source>
        <translation>Авто&lt;hr&gt;Начать чтение данных</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Ждущий</translation>
    </message>
    <message>
        <source>Normal&lt;hr&gt;Start data reading after trigger condition occurring</source>
        <translation>Ждущий&lt;hr&gt;Начать чтение данных по условию запуска</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop&lt;hr&gt;Stop data reading</source>
        <translation>Стоп&lt;hr&gt;Остановить чтение данных</translation>
    </message>
    <message>
        <source>Measurement settings</source>
        <translation>Настройки измерений</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Фронт</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Нараст.</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Спад</translation>
    </message>
    <message>
        <source>Delay before start</source>
        <translation>Задержка запуска</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Принудительно</translation>
    </message>
    <message>
        <source>Force&lt;hr&gt;Force a trigger acquisition regardless of the trigger condition</source>
        <translation>Принудительно&lt;hr&gt;Запустить сбор данных независимо от условия запуска</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Power frequency</source>
        <translation>Частота сети</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Гц</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Гц</translation>
    </message>
    <message>
        <source>Input impedance</source>
        <translation>Вх. сопротивление</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>5 Hz</source>
        <translation>5 Гц</translation>
    </message>
    <message>
        <source>20 Hz</source>
        <translation>20 Гц</translation>
    </message>
    <message>
        <source>200 Hz</source>
        <translation>200 Гц</translation>
    </message>
    <message>
        <source>Auto-zero</source>
        <translation>Автоноль</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Mode&lt;hr&gt;Determines the time for auto-zero the auto-zero type</source>
        <translation>Режим&lt;hr&gt;Определяет, когда выполняется автоподстройка нуля</translation>
    </message>
    <message>
        <source>Before start</source>
        <translation>Перед запуском</translation>
    </message>
    <message>
        <source>Before measurment</source>
        <translation>Перед измерением</translation>
    </message>
    <message>
        <source>Run auto-zero</source>
        <translation>Выполнить автоноль</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 отсч.</translation>
    </message>
    <message>
        <source>    OVER</source>
        <translation>    ПЕРЕГР</translation>
    </message>
</context>
<context>
    <name>DigitalOscilloscopePinnedWidget</name>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>DigitalOscilloscopeSettingsWidget</name>
    <message>
        <source>Digital Oscilloscope</source>
        <translation>Цифровой осциллограф</translation>
    </message>
    <message>
        <source>Read point limit</source>
        <translation>Предел точек чтения</translation>
    </message>
    <message>
        <source>points</source>
        <translation>точек</translation>
    </message>
</context>
<context>
    <name>DigitalOscilloscopeView</name>
    <message>
        <source>Digital Oscilloscope</source>
        <translation>Цифровой осциллограф</translation>
    </message>
</context>
<context>
    <name>DigitalOscilloscopeWidget</name>
    <message>
        <source>Cursors settings</source>
        <translation>Настройки курсоров</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Time/Div</source>
        <translation>Время/дел</translation>
    </message>
    <message>
        <source>Stop&lt;hr&gt;Stop data reading</source>
        <translation>Стоп&lt;hr&gt;Остановить чтение данных</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Auto&lt;hr&gt;Start data reading</source>
        <translation>Авто&lt;hr&gt;Начать чтение данных</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Normal&lt;hr&gt;Start data reading after trigger condition occurring</source>
        <translation>Ждущий&lt;hr&gt;Начать чтение данных по условию запуска</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Ждущий</translation>
    </message>
    <message>
        <source>Single&lt;hr&gt;Read one data package immediately</source>
        <translation>Однократный&lt;hr&gt;Сразу прочитать один пакет данных</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Однокр.</translation>
    </message>
    <message>
        <source>Trigger settings</source>
        <translation>Настройки синхронизации</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Канал 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Канал 2</translation>
    </message>
    <message>
        <source>Prehistory</source>
        <translation>Предыстория</translation>
    </message>
    <message>
        <source>Trigger condition&lt;hr&gt;Select a trigger condition</source>
        <translation>Условие запуска&lt;hr&gt;Выбрать условие запуска</translation>
    </message>
    <message>
        <source>Force&lt;hr&gt;Force a trigger acquisition regardless of the trigger condition</source>
        <translation>Принудительно&lt;hr&gt;Запустить сбор данных независимо от условия запуска</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Принудительно</translation>
    </message>
    <message>
        <source>Enable or disable channels</source>
        <translation>Включение и выключение каналов</translation>
    </message>
    <message>
        <source>Vertical scale</source>
        <translation>Вертикальный масштаб</translation>
    </message>
    <message>
        <source>&lt;b&gt;Offset&lt;/b&gt;</source>
        <translation>&lt;b&gt;Смещение&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Math channel</source>
        <translation>Мат. канал</translation>
    </message>
    <message>
        <source>Measurement settings</source>
        <translation>Настройки измерений</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Канал %1</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>Не удалось сохранить изображение в %1.</translation>
    </message>
    <message>
        <source>The data could not be saved to %1.</source>
        <translation>Не удалось сохранить данные в %1.</translation>
    </message>
</context>
<context>
    <name>EvaluateSettingsWidget</name>
    <message>
        <source>Measurement settings</source>
        <translation>Настройки измерений</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Напряжение</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
</context>
<context>
    <name>FunctionGeneratorImpedanceListModel</name>
    <message>
        <source>Ω</source>
        <translation>Ом</translation>
    </message>
</context>
<context>
    <name>FunctionGeneratorPinnedWidget</name>
    <message>
        <source>Start or stop data generation</source>
        <translation>Запустить или остановить генерацию</translation>
    </message>
    <message>
        <source>Enable or disable channels</source>
        <translation>Включение и выключение каналов</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>кГц</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>DC Offset</source>
        <translation>Постоянное смещение</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>FunctionGeneratorSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Function Generator</source>
        <translation>Функциональный генератор</translation>
    </message>
    <message>
        <source>Impedance settings</source>
        <translation>Сопротивление нагрузки</translation>
    </message>
    <message>
        <source>Ω</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>kΩ</source>
        <translation>кОм</translation>
    </message>
    <message>
        <source>MΩ</source>
        <translation>МОм</translation>
    </message>
    <message>
        <source>GΩ</source>
        <translation>ГОм</translation>
    </message>
    <message>
        <source>&lt;b&gt;Add current value&lt;/b&gt;</source>
        <translation>&lt;b&gt;Добавить текущее значение&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove selected value</source>
        <translation>Удалить выбранное значение</translation>
    </message>
    <message>
        <source>Remove selected</source>
        <translation>Удалить выбранное</translation>
    </message>
    <message>
        <source>AWG data</source>
        <translation>Данные сигналов</translation>
    </message>
    <message>
        <source>Open AWG data folder</source>
        <translation>Открыть папку данных сигналов</translation>
    </message>
</context>
<context>
    <name>FunctionGeneratorView</name>
    <message>
        <source>Function Generator</source>
        <translation>Функциональный генератор</translation>
    </message>
</context>
<context>
    <name>FunctionGeneratorWidget</name>
    <message>
        <source>Functions</source>
        <translation>Функции</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Sine wave</source>
        <translation>Синусоида</translation>
    </message>
    <message>
        <source>Square wave</source>
        <translation>Меандр</translation>
    </message>
    <message>
        <source>Rectangular wave</source>
        <translation>Прямоугольный сигнал</translation>
    </message>
    <message>
        <source>Triangular wave</source>
        <translation>Треугольный сигнал</translation>
    </message>
    <message>
        <source>Positive ramp wave</source>
        <translation>Нарастающая пила</translation>
    </message>
    <message>
        <source>Negative ramp wave</source>
        <translation>Спадающая пила</translation>
    </message>
    <message>
        <source>PRBS wave</source>
        <translation>Псевдослучайная последовательность</translation>
    </message>
    <message>
        <source>Ramp-up wave</source>
        <translation>Нарастание</translation>
    </message>
    <message>
        <source>Pulse wave</source>
        <translation>Импульс</translation>
    </message>
    <message>
        <source>Haver sine wave</source>
        <translation>Гаверсинус</translation>
    </message>
    <message>
        <source>Uniform noise wave</source>
        <translation>Равномерный шум</translation>
    </message>
    <message>
        <source>Gaussian noise wave</source>
        <translation>Гауссов шум</translation>
    </message>
    <message>
        <source>Arbitrary waveform</source>
        <translation>Произвольный сигнал</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Impedance</source>
        <translation>Нагрузка</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Частота дискретизации</translation>
    </message>
    <message>
        <source>Start&lt;hr&gt;Start data generation immediately</source>
        <translation>Пуск&lt;hr&gt;Начать генерацию сразу</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Delayed start&lt;hr&gt;Start data generation after a delay</source>
        <translation>Отложенный пуск&lt;hr&gt;Начать генерацию после задержки</translation>
    </message>
    <message>
        <source>Delayed</source>
        <translation>С задержкой</translation>
    </message>
    <message>
        <source>Trigger&lt;hr&gt;Start data generation after trigger condition occures</source>
        <translation>Запуск&lt;hr&gt;Начать генерацию по условию запуска</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Stop&lt;hr&gt;Stop data generation</source>
        <translation>Стоп&lt;hr&gt;Остановить генерацию</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>кГц</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>Double amplitude</source>
        <translation>Размах</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>DC Offset</source>
        <translation>Постоянное смещение</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Фаза</translation>
    </message>
    <message>
        <source>Duty cycle</source>
        <translation>Коэффициент заполнения</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Symmetry</source>
        <translation>Симметрия</translation>
    </message>
    <message>
        <source>Signal data</source>
        <translation>Данные сигнала</translation>
    </message>
    <message>
        <source>Signal data&lt;hr&gt;Select a file with signal data</source>
        <translation>Данные сигнала&lt;hr&gt;Выберите файл с данными сигнала</translation>
    </message>
    <message>
        <source>Add signal data...</source>
        <translation>Добавить данные сигнала...</translation>
    </message>
    <message>
        <source>Add signal data...&lt;hr&gt;Select a csv-file with signal data</source>
        <translation>Добавить данные сигнала...&lt;hr&gt;Выберите csv-файл с данными сигнала</translation>
    </message>
    <message>
        <source>Signal channel</source>
        <translation>Канал сигнала</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Фронт</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Нарастающий</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Спадающий</translation>
    </message>
    <message>
        <source>Delay before start</source>
        <translation>Задержка пуска</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Принудительно</translation>
    </message>
    <message>
        <source>Force&lt;hr&gt;Force a trigger acquisition regardless of the trigger condition</source>
        <translation>Принудительно&lt;hr&gt;Запустить независимо от условия запуска</translation>
    </message>
    <message>
        <source>Current channel</source>
        <translation>Текущий канал</translation>
    </message>
    <message>
        <source>Select a channel to configure</source>
        <translation>Выберите канал для настройки</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Канал 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Канал 2</translation>
    </message>
    <message>
        <source>Active channels</source>
        <translation>Активные каналы</translation>
    </message>
    <message>
        <source>Enable or disable channels</source>
        <translation>Включение и выключение каналов</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Модуляция</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Linear frequency modulation</source>
        <translation>Линейная частотная модуляция</translation>
    </message>
    <message>
        <source>Amplitude modulation</source>
        <translation>Амплитудная модуляция</translation>
    </message>
    <message>
        <source>Frequency modulation</source>
        <translation>Частотная модуляция</translation>
    </message>
    <message>
        <source>Phase modulation</source>
        <translation>Фазовая модуляция</translation>
    </message>
    <message>
        <source>Frequency-shift keying</source>
        <translation>Частотная манипуляция</translation>
    </message>
    <message>
        <source>Modulating frequency</source>
        <translation>Модулирующая частота</translation>
    </message>
    <message>
        <source>Frequency deviation</source>
        <translation>Девиация частоты</translation>
    </message>
    <message>
        <source>Phase deviation</source>
        <translation>Девиация фазы</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Modulation index</source>
        <translation>Коэффициент модуляции</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Канал %1</translation>
    </message>
    <message>
        <source>Signal_</source>
        <translation>Сигнал_</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File %1 is not exist</source>
        <translation>Файл %1 не существует</translation>
    </message>
    <message>
        <source>File %1 is empty</source>
        <translation>Файл %1 пуст</translation>
    </message>
    <message>
        <source>Reading file %1 forbidden</source>
        <translation>Чтение файла %1 запрещено</translation>
    </message>
    <message>
        <source>File %1 is not in the AWG files list</source>
        <translation>Файла %1 нет в списке файлов сигналов</translation>
    </message>
    <message>
        <source>Error file format: %1</source>
        <translation>Ошибка формата файла: %1</translation>
    </message>
    <message>
        <source>The index %1 of the selected signal exceeds the number of signals in the file %2</source>
        <translation>Номер %1 выбранного сигнала больше числа сигналов в файле %2</translation>
    </message>
    <message>
        <source>Signal %1</source>
        <translation>Сигнал %1</translation>
    </message>
    <message>
        <source>No signal channels</source>
        <translation>Нет каналов сигнала</translation>
    </message>
    <message>
        <source>Open data file</source>
        <translation>Открыть файл данных</translation>
    </message>
    <message>
        <source>Add file %1</source>
        <translation>Добавить файл %1</translation>
    </message>
    <message>
        <source>There is already a file %1 with the same data in the list. 
Add file %2?</source>
        <translation>В списке уже есть файл %1 с теми же данными. 
Добавить файл %2?</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Добавить файл</translation>
    </message>
    <message>
        <source>Select previously added file</source>
        <translation>Выбрать добавленный ранее файл</translation>
    </message>
    <message>
        <source>Error add file %1</source>
        <translation>Ошибка добавления файла %1</translation>
    </message>
    <message>
        <source>File %1 holds more than %2 signals</source>
        <translation>В файле %1 больше %2 сигналов</translation>
    </message>
    <message>
        <source>File %1 holds more than %2 samples</source>
        <translation>В файле %1 больше %2 отсчётов</translation>
    </message>
    <message>
        <source>File %1 is larger than %2</source>
        <translation>Файл %1 больше %2</translation>
    </message>
</context>
<context>
    <name>HX2Module</name>
    <message>
        <source>HX2</source>
        <translation>HX2</translation>
    </message>
</context>
<context>
    <name>HX9Module</name>
    <message>
        <source>XH9</source>
        <translation>XH9</translation>
    </message>
</context>
<context>
    <name>Hardware</name>
    <message>
        <source>Close error %1: %2</source>
        <translation>Ошибка закрытия %1: %2</translation>
    </message>
</context>
<context>
    <name>InitializationContentWidget</name>
    <message>
        <source>Found modules</source>
        <translation>Найденные модули</translation>
    </message>
    <message>
        <source>Device type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Initialize</source>
        <translation>Инициализировать</translation>
    </message>
    <message>
        <source>Autoinitialize all found modules (after application restart)</source>
        <translation>Автоматически инициализировать все найденные модули (после перезапуска программы)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Turn demo mode</source>
        <translation>Демо-режим</translation>
    </message>
    <message>
        <source>Demo mode on</source>
        <translation>Демо-режим включён</translation>
    </message>
    <message>
        <source>Modules not found</source>
        <translation>Модули не найдены</translation>
    </message>
    <message>
        <source>Restart autosearch</source>
        <translation>Повторить поиск</translation>
    </message>
    <message>
        <source>Modules initialization</source>
        <translation>Инициализация модулей</translation>
    </message>
    <message>
        <source>Start working with devices</source>
        <translation>Начать работу с устройствами</translation>
    </message>
</context>
<context>
    <name>InitializationToolBarWidget</name>
    <message>
        <source>Hardware initialization</source>
        <translation>Инициализация оборудования</translation>
    </message>
</context>
<context>
    <name>InstrumentsToolBarWidget</name>
    <message>
        <source>Show settings page</source>
        <translation>Показать страницу настроек</translation>
    </message>
    <message>
        <source>Pin current device</source>
        <translation>Закрепить текущий прибор</translation>
    </message>
    <message>
        <source>Take a screenshort</source>
        <translation>Сохранить снимок экрана прибора</translation>
    </message>
    <message>
        <source>Export data to a text file</source>
        <translation>Экспортировать данные в текстовый файл</translation>
    </message>
    <message>
        <source>Pralune</source>
        <translation>Pralune</translation>
    </message>
    <message>
        <source>Pralune - Instrument selection</source>
        <translation>Pralune - Выбор прибора</translation>
    </message>
</context>
<context>
    <name>KT220Module</name>
    <message>
        <source>KT220</source>
        <translation>KT220</translation>
    </message>
</context>
<context>
    <name>KW7Module</name>
    <message>
        <source>KW7</source>
        <translation>KW7</translation>
    </message>
</context>
<context>
    <name>ManualCursor</name>
    <message>
        <source>Cur%1 </source>
        <translation>Кур%1 </translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>MathChannelPanelSettingsWidget</name>
    <message>
        <source>DC offset&lt;hr&gt;Vertical offset in Volts</source>
        <translation>Смещение&lt;hr&gt;Смещение по вертикали в вольтах</translation>
    </message>
    <message>
        <source>DC offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Функция</translation>
    </message>
    <message>
        <source>A + B</source>
        <translation>A + B</translation>
    </message>
    <message>
        <source>A - B</source>
        <translation>A - B</translation>
    </message>
    <message>
        <source>A * B</source>
        <translation>A * B</translation>
    </message>
    <message>
        <source>A / B</source>
        <translation>A / B</translation>
    </message>
    <message>
        <source>Source A</source>
        <translation>Источник A</translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation>Канал 1</translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation>Канал 2</translation>
    </message>
    <message>
        <source>Source B</source>
        <translation>Источник B</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>ModuleInterface</name>
    <message>
        <source>Module %1 not found at %2 slot</source>
        <translation>Модуль %1 не найден в слоте %2</translation>
    </message>
    <message>
        <source>Module at %1 slot isn&apos;t %2, found module has module code %3</source>
        <translation>Модуль в слоте %1 не является %2: код найденного модуля %3</translation>
    </message>
</context>
<context>
    <name>PinnedWrapFrame</name>
    <message>
        <source>Expand device</source>
        <translation>Развернуть прибор</translation>
    </message>
    <message>
        <source>Close device</source>
        <translation>Закрыть прибор</translation>
    </message>
</context>
<context>
    <name>PlotArea</name>
    <message>
        <source>Channel %1</source>
        <translation>Канал %1</translation>
    </message>
    <message>
        <source>Math channel</source>
        <translation>Математический канал</translation>
    </message>
</context>
<context>
    <name>PowerSupplyChannelWidget</name>
    <message>
        <source>Turn the power on/off</source>
        <translation>Включить/выключить питание</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Напряжение</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Measured value of voltage</source>
        <translation>Измеренное значение напряжения</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Ток</translation>
    </message>
    <message>
        <source>A</source>
        <translation>А</translation>
    </message>
    <message>
        <source>Measured value of current</source>
        <translation>Измеренное значение тока</translation>
    </message>
</context>
<context>
    <name>PowerSupplyPinnedWidget</name>
    <message>
        <source>Current channel number</source>
        <translation>Номер текущего канала</translation>
    </message>
    <message>
        <source>Channel switching&lt;hr&gt;Next channel</source>
        <translation>Переключение каналов&lt;hr&gt;Следующий канал</translation>
    </message>
    <message>
        <source>Channel switching&lt;hr&gt;Previous channel</source>
        <translation>Переключение каналов&lt;hr&gt;Предыдущий канал</translation>
    </message>
    <message>
        <source>Turn the power on/off</source>
        <translation>Включить/выключить питание</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Напряжение</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Measured value of voltage</source>
        <translation>Измеренное значение напряжения</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Ток</translation>
    </message>
    <message>
        <source>A</source>
        <translation>А</translation>
    </message>
    <message>
        <source>Measured value of current</source>
        <translation>Измеренное значение тока</translation>
    </message>
    <message>
        <source>   </source>
        <translation>   </translation>
    </message>
    <message>
        <source>CC </source>
        <translation>CC </translation>
    </message>
    <message>
        <source>CV </source>
        <translation>CV </translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>OVR</translation>
    </message>
</context>
<context>
    <name>PowerSupplyView</name>
    <message>
        <source>Power Supply</source>
        <translation>Источник питания</translation>
    </message>
</context>
<context>
    <name>PowerSupplyWidget</name>
    <message>
        <source>Turn on power for all</source>
        <translation>Включить питание всех каналов</translation>
    </message>
    <message>
        <source>Turn off power for all</source>
        <translation>Выключить питание всех каналов</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Канал %1</translation>
    </message>
</context>
<context>
    <name>PraluneWindow</name>
    <message>
        <source>Pralune</source>
        <translation>Pralune</translation>
    </message>
    <message>
        <source>Return to window view</source>
        <translation>Вернуться в оконный режим</translation>
    </message>
    <message>
        <source>Maximize application to full screen</source>
        <translation>Развернуть программу на весь экран</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>RV31</source>
        <translation>RV31</translation>
    </message>
    <message>
        <source>HX9</source>
        <translation>HX9</translation>
    </message>
    <message>
        <source>KW7</source>
        <translation>KW7</translation>
    </message>
    <message>
        <source>KT220</source>
        <translation>KT220</translation>
    </message>
    <message>
        <source>HX2</source>
        <translation>HX2</translation>
    </message>
    <message>
        <source>Last used arrangement</source>
        <translation>Последняя компоновка</translation>
    </message>
    <message>
        <source>pralune</source>
        <translation>pralune</translation>
    </message>
    <message>
        <source>corvanta</source>
        <translation>corvanta</translation>
    </message>
    <message>
        <source>n</source>
        <translation>н</translation>
    </message>
    <message>
        <source>mk</source>
        <translation>мк</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>No error (the call was successful)</source>
        <translation>Ошибки нет (вызов выполнен успешно)</translation>
    </message>
    <message>
        <source>Specified event is already enabled for at least one of the specified mechanisms</source>
        <translation>Указанное событие уже разрешено хотя бы для одного из указанных механизмов</translation>
    </message>
    <message>
        <source>Specified event is already disabled for at least one of the specified mechanisms</source>
        <translation>Указанное событие уже запрещено хотя бы для одного из указанных механизмов</translation>
    </message>
    <message>
        <source>Operation completed successfully, but queue was already empty</source>
        <translation>Операция выполнена успешно, но очередь уже была пуста</translation>
    </message>
    <message>
        <source>The specified termination character was read</source>
        <translation>Прочитан указанный символ завершения</translation>
    </message>
    <message>
        <source>The number of bytes transferred is equal to the requested input count. More data might be available</source>
        <translation>Передано запрошенное число байтов. Возможно, есть ещё данные</translation>
    </message>
    <message>
        <source>The specified configuration either does not exist or could not be loaded; using VISA-specified defaults</source>
        <translation>Указанная конфигурация не существует или не может быть загружена; используются значения VISA по умолчанию</translation>
    </message>
    <message>
        <source>Session opened successfully, but the device at the specified address is not responding</source>
        <translation>Сеанс открыт, но устройство по указанному адресу не отвечает</translation>
    </message>
    <message>
        <source>The path from trigSrc to trigDest is already mapped</source>
        <translation>Путь от trigSrc к trigDest уже назначен</translation>
    </message>
    <message>
        <source>Wait terminated successfully on receipt of an event notification. There is still at least one more event occurrence of the requested type(s) available for this session</source>
        <translation>Ожидание успешно завершено по уведомлению о событии. Для этого сеанса доступно ещё хотя бы одно событие запрошенного типа</translation>
    </message>
    <message>
        <source>The specified object reference is uninitialized</source>
        <translation>Указанная ссылка на объект не инициализирована</translation>
    </message>
    <message>
        <source>Although the specified state of the attribute is valid, it is not supported by this resource implementation</source>
        <translation>Указанное состояние атрибута допустимо, но не поддерживается этой реализацией ресурса</translation>
    </message>
    <message>
        <source>The status code passed to the operation could not be interpreted</source>
        <translation>Переданный операции код состояния не удалось распознать</translation>
    </message>
    <message>
        <source>The specified I/O buffer type is not supported</source>
        <translation>Указанный тип буфера ввода-вывода не поддерживается</translation>
    </message>
    <message>
        <source>Event handled successfully. Do not invoke any other handlers on this session for this event</source>
        <translation>Событие успешно обработано. Другие обработчики этого события для сеанса вызывать не нужно</translation>
    </message>
    <message>
        <source>Operation completed successfully, and this session has nested shared locks</source>
        <translation>Операция выполнена успешно; сеанс держит вложенные общие блокировки</translation>
    </message>
    <message>
        <source>Operation completed successfully, and this session has nested exclusive locks</source>
        <translation>Операция выполнена успешно; сеанс держит вложенные монопольные блокировки</translation>
    </message>
    <message>
        <source>Operation completed successfully, but the operation was actually synchronous rather than asynchronous</source>
        <translation>Операция выполнена успешно, но фактически синхронно, а не асинхронно</translation>
    </message>
    <message>
        <source>Unknown system error (miscellaneous error)</source>
        <translation>Неизвестная системная ошибка (прочая ошибка)</translation>
    </message>
    <message>
        <source>The given session or object reference is invalid</source>
        <translation>Недопустимый сеанс или ссылка на объект</translation>
    </message>
    <message>
        <source>Specified type of lock cannot be obtained, or specified operation cannot be performed, because the resource is locked</source>
        <translation>Невозможно получить блокировку указанного типа или выполнить операцию: ресурс заблокирован</translation>
    </message>
    <message>
        <source>Invalid expression specified for search</source>
        <translation>Недопустимое выражение для поиска</translation>
    </message>
    <message>
        <source>Insufficient location information or the device or resource is not present in the system</source>
        <translation>Недостаточно сведений о расположении, или устройство либо ресурс отсутствует в системе</translation>
    </message>
    <message>
        <source>Invalid resource reference specified. Parsing error</source>
        <translation>Недопустимая ссылка на ресурс. Ошибка разбора</translation>
    </message>
    <message>
        <source>Invalid access mode</source>
        <translation>Недопустимый режим доступа</translation>
    </message>
    <message>
        <source>Timeout expired before operation completed</source>
        <translation>Время ожидания истекло до завершения операции</translation>
    </message>
    <message>
        <source>The VISA driver failed to properly close the session or object reference. This might be due to an error freeing internal or OS resources, a failed network connection, or a lower-level driver or OS error</source>
        <translation>Драйвер VISA не смог корректно закрыть сеанс или ссылку на объект. Возможные причины: ошибка освобождения внутренних ресурсов или ресурсов ОС, разрыв сетевого соединения, ошибка драйвера нижнего уровня или ОС</translation>
    </message>
    <message>
        <source>Specified degree is invalid</source>
        <translation>Недопустимая степень</translation>
    </message>
    <message>
        <source>Specified job identifier is invalid</source>
        <translation>Недопустимый идентификатор задания</translation>
    </message>
    <message>
        <source>The specified attribute is not defined or supported by the referenced session, event, or find list</source>
        <translation>Указанный атрибут не определён или не поддерживается данным сеансом, событием или списком поиска</translation>
    </message>
    <message>
        <source>The specified state of the attribute is not valid, or is not supported as defined by the session, event, or find list</source>
        <translation>Указанное состояние атрибута недопустимо или не поддерживается сеансом, событием или списком поиска</translation>
    </message>
    <message>
        <source>The specified attribute is read-only</source>
        <translation>Указанный атрибут доступен только для чтения</translation>
    </message>
    <message>
        <source>The specified type of lock is not supported by this resource</source>
        <translation>Указанный тип блокировки не поддерживается этим ресурсом</translation>
    </message>
    <message>
        <source>The access key to the resource associated with this session is invalid</source>
        <translation>Недопустимый ключ доступа к ресурсу этого сеанса</translation>
    </message>
    <message>
        <source>Specified event type is not supported by the resource</source>
        <translation>Указанный тип события не поддерживается ресурсом</translation>
    </message>
    <message>
        <source>Invalid mechanism specified</source>
        <translation>Указан недопустимый механизм</translation>
    </message>
    <message>
        <source>A handler was not installed</source>
        <translation>Обработчик не установлен</translation>
    </message>
    <message>
        <source>The given handler reference is invalid</source>
        <translation>Недопустимая ссылка на обработчик</translation>
    </message>
    <message>
        <source>Specified event context is invalid</source>
        <translation>Недопустимый контекст события</translation>
    </message>
    <message>
        <source>The session must be enabled for events of the specified type in order to receive them</source>
        <translation>Чтобы получать события указанного типа, их нужно разрешить для сеанса</translation>
    </message>
    <message>
        <source>User abort occurred during transfer</source>
        <translation>Передача прервана пользователем</translation>
    </message>
    <message>
        <source>Violation of raw write protocol occurred during transfer</source>
        <translation>Нарушение протокола прямой записи во время передачи</translation>
    </message>
    <message>
        <source>Violation of raw read protocol occurred during transfer</source>
        <translation>Нарушение протокола прямого чтения во время передачи</translation>
    </message>
    <message>
        <source>Device reported an output protocol error during transfer</source>
        <translation>Устройство сообщило об ошибке протокола вывода во время передачи</translation>
    </message>
    <message>
        <source>Device reported an input protocol error during transfer</source>
        <translation>Устройство сообщило об ошибке протокола ввода во время передачи</translation>
    </message>
    <message>
        <source>Bus error occurred during transfer</source>
        <translation>Ошибка шины во время передачи</translation>
    </message>
    <message>
        <source>Unable to queue the asynchronous operation because there is already an operation in progress</source>
        <translation>Невозможно поставить асинхронную операцию в очередь: уже выполняется другая операция</translation>
    </message>
    <message>
        <source>Unable to start operation because setup is invalid (due to attributes being set to an inconsistent state)</source>
        <translation>Невозможно начать операцию: настройка недопустима (атрибуты находятся в несогласованном состоянии)</translation>
    </message>
    <message>
        <source>Unable to queue asynchronous operation</source>
        <translation>Невозможно поставить асинхронную операцию в очередь</translation>
    </message>
    <message>
        <source>Insufficient system resources to perform necessary memory allocation</source>
        <translation>Недостаточно системных ресурсов для выделения памяти</translation>
    </message>
    <message>
        <source>Invalid buffer mask specified</source>
        <translation>Указана недопустимая маска буфера</translation>
    </message>
    <message>
        <source>Could not perform operation because of I/O error</source>
        <translation>Операция не выполнена из-за ошибки ввода-вывода</translation>
    </message>
    <message>
        <source>A format specifier in the format string is invalid</source>
        <translation>Недопустимый спецификатор в строке формата</translation>
    </message>
    <message>
        <source>A format specifier in the format string is not supported</source>
        <translation>Спецификатор в строке формата не поддерживается</translation>
    </message>
    <message>
        <source>The specified trigger line is currently in use</source>
        <translation>Указанная линия запуска уже используется</translation>
    </message>
    <message>
        <source>The specified mode is not supported by this VISA implementation</source>
        <translation>Указанный режим не поддерживается этой реализацией VISA</translation>
    </message>
    <message>
        <source>Service request has not been received for the session</source>
        <translation>Запрос на обслуживание для сеанса не получен</translation>
    </message>
    <message>
        <source>Invalid address space specified</source>
        <translation>Указано недопустимое адресное пространство</translation>
    </message>
    <message>
        <source>Invalid offset specified</source>
        <translation>Указано недопустимое смещение</translation>
    </message>
    <message>
        <source>Invalid access width specified</source>
        <translation>Указана недопустимая ширина доступа</translation>
    </message>
    <message>
        <source>Specified offset is not accessible from this hardware</source>
        <translation>Указанное смещение недоступно на этом оборудовании</translation>
    </message>
    <message>
        <source>Cannot support source and destination widths that are different</source>
        <translation>Разная ширина источника и приёмника не поддерживается</translation>
    </message>
    <message>
        <source>The specified session is not currently mapped</source>
        <translation>Указанный сеанс сейчас не отображён</translation>
    </message>
    <message>
        <source>A previous response is still pending, causing a multiple query error</source>
        <translation>Предыдущий ответ ещё не получен: ошибка множественного запроса</translation>
    </message>
    <message>
        <source>No listeners condition is detected (both NRFD and NDAC are deasserted)</source>
        <translation>Нет слушателей (сигналы NRFD и NDAC сняты)</translation>
    </message>
    <message>
        <source>The interface associated with this session is not currently the controller in charge</source>
        <translation>Интерфейс этого сеанса сейчас не является ответственным контроллером</translation>
    </message>
    <message>
        <source>The interface associated with this session is not the system controller</source>
        <translation>Интерфейс этого сеанса не является системным контроллером</translation>
    </message>
    <message>
        <source>The given session or object reference does not support this operation</source>
        <translation>Сеанс или ссылка на объект не поддерживает эту операцию</translation>
    </message>
    <message>
        <source>An interrupt is still pending from a previous call</source>
        <translation>Прерывание от предыдущего вызова ещё не обработано</translation>
    </message>
    <message>
        <source>A parity error occurred during transfer</source>
        <translation>Ошибка чётности во время передачи</translation>
    </message>
    <message>
        <source>A framing error occurred during transfer</source>
        <translation>Ошибка кадрирования во время передачи</translation>
    </message>
    <message>
        <source>An overrun error occurred during transfer. A character was not read from the hardware before the next character arrived</source>
        <translation>Переполнение во время передачи: символ не был прочитан до прихода следующего</translation>
    </message>
    <message>
        <source>The path from trigSrc to trigDest is not currently mapped</source>
        <translation>Путь от trigSrc к trigDest сейчас не назначен</translation>
    </message>
    <message>
        <source>The specified offset is not properly aligned for the access width of the operation</source>
        <translation>Указанное смещение не выровнено по ширине доступа операции</translation>
    </message>
    <message>
        <source>A specified user buffer is not valid or cannot be accessed for the required size</source>
        <translation>Указанный буфер пользователя недопустим или недоступен в нужном размере</translation>
    </message>
    <message>
        <source>The resource is valid, but VISA cannot currently access it</source>
        <translation>Ресурс допустим, но VISA сейчас не может к нему обратиться</translation>
    </message>
    <message>
        <source>Specified width is not supported by this hardware</source>
        <translation>Указанная ширина не поддерживается этим оборудованием</translation>
    </message>
    <message>
        <source>The value of some parameter (which parameter is not known) is invalid</source>
        <translation>Недопустимое значение одного из параметров (какого именно, неизвестно)</translation>
    </message>
    <message>
        <source>The protocol specified is invalid</source>
        <translation>Указан недопустимый протокол</translation>
    </message>
    <message>
        <source>Invalid size of window specified</source>
        <translation>Указан недопустимый размер окна</translation>
    </message>
    <message>
        <source>The specified session currently contains a mapped window</source>
        <translation>В указанном сеансе уже есть отображённое окно</translation>
    </message>
    <message>
        <source>The given operation is not implemented</source>
        <translation>Операция не реализована</translation>
    </message>
    <message>
        <source>Invalid length specified</source>
        <translation>Указана недопустимая длина</translation>
    </message>
    <message>
        <source>The specified mode is invalid</source>
        <translation>Указан недопустимый режим</translation>
    </message>
    <message>
        <source>The current session did not have a lock on the resource</source>
        <translation>Текущий сеанс не держал блокировку ресурса</translation>
    </message>
    <message>
        <source>The device does not export any memory</source>
        <translation>Устройство не предоставляет память</translation>
    </message>
    <message>
        <source>A code library required by VISA could not be located or loaded</source>
        <translation>Не удалось найти или загрузить библиотеку, необходимую VISA</translation>
    </message>
    <message>
        <source>The interface cannot generate an interrupt on the requested level or with the requested statusID value</source>
        <translation>Интерфейс не может сформировать прерывание на запрошенном уровне или с запрошенным statusID</translation>
    </message>
    <message>
        <source>The value specified by the line parameter is invalid</source>
        <translation>Недопустимое значение параметра line</translation>
    </message>
    <message>
        <source>An error occurred while trying to open the specified file. Possible reasons include an invalid path or lack of access rights</source>
        <translation>Ошибка при открытии указанного файла. Возможные причины: неверный путь или нет прав доступа</translation>
    </message>
    <message>
        <source>An error occurred while performing I/O on the specified file</source>
        <translation>Ошибка ввода-вывода при работе с указанным файлом</translation>
    </message>
    <message>
        <source>One of the specified lines (trigSrc or trigDest) is not supported by this VISA implementation, or the combination of lines is not a valid mapping</source>
        <translation>Одна из указанных линий (trigSrc или trigDest) не поддерживается этой реализацией VISA, или такое сочетание линий недопустимо</translation>
    </message>
    <message>
        <source>The specified mechanism is not supported for the given event type</source>
        <translation>Указанный механизм не поддерживается для этого типа события</translation>
    </message>
    <message>
        <source>The interface type is valid but the specified interface number is not configured</source>
        <translation>Тип интерфейса допустим, но интерфейс с указанным номером не настроен</translation>
    </message>
    <message>
        <source>The connection for the given session has been lost</source>
        <translation>Соединение для этого сеанса потеряно</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Амплитуда</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Нижний</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>СКЗ</translation>
    </message>
    <message>
        <source>Peak-to-peak</source>
        <translation>Размах</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Верхний</translation>
    </message>
    <message>
        <source>Overshoot</source>
        <translation>Выброс</translation>
    </message>
    <message>
        <source>Cycle RMS</source>
        <translation>СКЗ периода</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Undershoot</source>
        <translation>Выброс вниз</translation>
    </message>
    <message>
        <source>Cycle Mean</source>
        <translation>Сред. периода</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Pos Pulse Width</source>
        <translation>Длит. имп. +</translation>
    </message>
    <message>
        <source>Rise Rate</source>
        <translation>Скор. нарастания</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Neg Pulse Width</source>
        <translation>Длит. имп. -</translation>
    </message>
    <message>
        <source>Fall Rate</source>
        <translation>Скор. спада</translation>
    </message>
    <message>
        <source>Pos Duty Cycle</source>
        <translation>Коэф. заполн. +</translation>
    </message>
    <message>
        <source>Rise Time</source>
        <translation>Время нараст.</translation>
    </message>
    <message>
        <source>Neg Duty Cycle</source>
        <translation>Коэф. заполн. -</translation>
    </message>
    <message>
        <source>Fall Time</source>
        <translation>Время спада</translation>
    </message>
    <message>
        <source>Ampl</source>
        <translation>Ампл</translation>
    </message>
    <message>
        <source>Pk-Pk</source>
        <translation>Размах</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Мин</translation>
    </message>
    <message>
        <source>Over</source>
        <translation>Выброс</translation>
    </message>
    <message>
        <source>CycRMS</source>
        <translation>СКЗпер</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Макс</translation>
    </message>
    <message>
        <source>Under</source>
        <translation>Провал</translation>
    </message>
    <message>
        <source>CycMean</source>
        <translation>Сред.пер</translation>
    </message>
    <message>
        <source>+Width</source>
        <translation>+Длит</translation>
    </message>
    <message>
        <source>↑Rate</source>
        <translation>↑Скор</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Част</translation>
    </message>
    <message>
        <source>-Width</source>
        <translation>-Длит</translation>
    </message>
    <message>
        <source>↓Rate</source>
        <translation>↓Скор</translation>
    </message>
    <message>
        <source>+Duty</source>
        <translation>+Запол</translation>
    </message>
    <message>
        <source>↑Time</source>
        <translation>↑Время</translation>
    </message>
    <message>
        <source>-Duty</source>
        <translation>-Запол</translation>
    </message>
    <message>
        <source>↓Time</source>
        <translation>↓Время</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>/s</source>
        <translation>/с</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>4-wire resistance</source>
        <translation>Сопротивление (4-пров.)</translation>
    </message>
    <message>
        <source>Ω</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>2-wire resistance</source>
        <translation>Сопротивление (2-пров.)</translation>
    </message>
    <message>
        <source>AC voltage</source>
        <translation>Переменное напряжение</translation>
    </message>
    <message>
        <source>DC voltage</source>
        <translation>Постоянное напряжение</translation>
    </message>
    <message>
        <source>AC current</source>
        <translation>Переменный ток</translation>
    </message>
    <message>
        <source>A</source>
        <translation>А</translation>
    </message>
    <message>
        <source>DC current</source>
        <translation>Постоянный ток</translation>
    </message>
    <message>
        <source>Continuity</source>
        <translation>Прозвонка</translation>
    </message>
</context>
<context>
    <name>RV31Module</name>
    <message>
        <source>RV31</source>
        <translation>RV31</translation>
    </message>
</context>
<context>
    <name>ResourceHX2</name>
    <message>
        <source>GHz</source>
        <translation>ГГц</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
</context>
<context>
    <name>ResourceHX9</name>
    <message>
        <source>GHz</source>
        <translation>ГГц</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
</context>
<context>
    <name>SettingsContentWidget</name>
    <message>
        <source>Холдинг
Корванта</source>
        <translation>Холдинг
Корванта</translation>
    </message>
    <message>
        <source>Pralune</source>
        <translation>Pralune</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The&lt;span style=&quot; font-weight:600;&quot;&gt; Application startup&lt;/span&gt; field group&lt;/p&gt;&lt;hr/&gt;&lt;p&gt;contains application settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Группа полей&lt;span style=&quot; font-weight:600;&quot;&gt; «Запуск приложения»&lt;/span&gt;&lt;/p&gt;&lt;hr/&gt;&lt;p&gt;содержит настройки запуска приложения&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Initialize devices automatically</source>
        <translation>Инициализировать устройства автоматически</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Instruments Arrangements</source>
        <translation>Компоновки приборов</translation>
    </message>
    <message>
        <source>Save current instruments arrangement</source>
        <translation>Сохранить текущую компоновку приборов</translation>
    </message>
    <message>
        <source>Save current arrangement</source>
        <translation>Сохранить текущую компоновку</translation>
    </message>
    <message>
        <source>Apply selected instruments arrangement</source>
        <translation>Применить выбранную компоновку приборов</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Remove selected instruments arrangement</source>
        <translation>Удалить выбранную компоновку приборов</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Default instruments arrangement </source>
        <translation>Компоновка по умолчанию</translation>
    </message>
    <message>
        <source>&lt;b&gt;Default instruments arrangement &lt;/b&gt;</source>
        <translation>&lt;b&gt;Компоновка приборов по умолчанию&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Restore on start
(default instruments arrangement )</source>
        <translation>Восстанавливать при запуске
(компоновку по умолчанию)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Restore on start&lt;/b&gt;&lt;hr&gt; Push to on/off restore default instuments arrangement on start</source>
        <translation>&lt;b&gt;Восстанавливать при запуске&lt;/b&gt;&lt;hr&gt; Включает или выключает восстановление компоновки приборов по умолчанию при запуске</translation>
    </message>
    <message>
        <source>Screen layout</source>
        <translation>Экран</translation>
    </message>
    <message>
        <source>Start in fullscreen mode</source>
        <translation>Запускать в полноэкранном режиме</translation>
    </message>
    <message>
        <source>&lt;b&gt;Language&lt;/b&gt;</source>
        <translation>&lt;b&gt;Язык&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>&lt;b&gt;Theme&lt;/b&gt;</source>
        <translation>&lt;b&gt;Тема&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>&lt;b&gt;Font size&lt;/b&gt;</source>
        <translation>&lt;b&gt;Размер шрифта&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Virtual input panel
(after application restart)</source>
        <translation>Экранная клавиатура
(после перезапуска приложения)</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Версия: </translation>
    </message>
</context>
<context>
    <name>SettingsToolBarWidget</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>TimeCursor</name>
    <message>
        <source>Cur%1 </source>
        <translation>Кур%1 </translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>TrackCursor</name>
    <message>
        <source>Cur%1 </source>
        <translation>Кур%1 </translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>TriggerPanelSettingsWidget</name>
    <message>
        <source>Trigger settings</source>
        <translation>Настройки синхронизации</translation>
    </message>
    <message>
        <source>Trigger type</source>
        <translation>Тип синхронизации</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Фронт</translation>
    </message>
    <message>
        <source>Runt</source>
        <translation>Рант</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость нарастания</translation>
    </message>
    <message>
        <source>Impulse</source>
        <translation>Импульс</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Rising</source>
        <translation>Нарастающий</translation>
    </message>
    <message>
        <source>Falling</source>
        <translation>Спадающий</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Уровень 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Уровень 2</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>ns</source>
        <translation>нс</translation>
    </message>
    <message>
        <source>us</source>
        <translation>мкс</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Minimum T</source>
        <translation>Минимальное T</translation>
    </message>
    <message>
        <source>Maximum T</source>
        <translation>Максимальное T</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>falling</source>
        <translation>спадающему</translation>
    </message>
    <message>
        <source>rising</source>
        <translation>нарастающему</translation>
    </message>
    <message>
        <source>Start on %1
Level: %2 %3</source>
        <translation>Запуск по %1 фронту
Уровень: %2 %3</translation>
    </message>
    <message>
        <source>Start on runt
Level 1: %1 %2
Level 2: %3 %4</source>
        <translation>Запуск по ранту
Уровень 1: %1 %2
Уровень 2: %3 %4</translation>
    </message>
    <message>
        <source>Start on window
Level 1: %1 %2
Level 2: %3 %4</source>
        <translation>Запуск по окну
Уровень 1: %1 %2
Уровень 2: %3 %4</translation>
    </message>
    <message>
        <source>Start on duration %1 %2
From level 1: %3 %4
To level 2: %5 %6</source>
        <translation>Запуск по длительности %1 %2
От уровня 1: %3 %4
До уровня 2: %5 %6</translation>
    </message>
    <message>
        <source>from %1 %2 </source>
        <translation>от %1 %2 </translation>
    </message>
    <message>
        <source>to %1 %2</source>
        <translation>до %1 %2</translation>
    </message>
    <message>
        <source>Start on level: %1 %2
Duration: 
%3</source>
        <translation>Запуск по уровню: %1 %2
Длительность: 
%3</translation>
    </message>
    <message>
        <source>Start on %1 edge
Duration: 
%2 %3</source>
        <translation>Запуск по %1 фронту
Длительность: 
%2 %3</translation>
    </message>
    <message>
        <source>Time interval settings are invalid!
Minimum time value should be less than maximum time value.</source>
        <translation>Неверный интервал времени!
Минимум должен быть меньше максимума.</translation>
    </message>
</context>
<context>
    <name>ValueMarker</name>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>VoltageCursor</name>
    <message>
        <source>Cur%1 </source>
        <translation>Кур%1 </translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
</context>
<context>
    <name>common</name>
    <message>
        <source>channel</source>
        <translation>канал</translation>
    </message>
</context>
<context>
    <name>dimension prefix</name>
    <message>
        <source>k</source>
        <translation>к</translation>
    </message>
    <message>
        <source>M</source>
        <translation>М</translation>
    </message>
    <message>
        <source>G</source>
        <translation>Г</translation>
    </message>
    <message>
        <source>T</source>
        <translation>Т</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>mk</source>
        <translation>мк</translation>
    </message>
    <message>
        <source>n</source>
        <translation>н</translation>
    </message>
    <message>
        <source>p</source>
        <translation>п</translation>
    </message>
</context>
</TS>
