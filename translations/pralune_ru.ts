<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DigitalMultimeterView</name>
    <message>
        <location filename="../views/multimeter/digitalmultimeterview.cpp" line="+41"/>
        <source>Digital Multimeter</source>
        <translation>Цифровой мультиметр</translation>
    </message>
</context>
<context>
    <name>DigitalOscilloscopeView</name>
    <message>
        <location filename="../views/oscilloscope/digitaloscilloscopeview.cpp" line="+41"/>
        <source>Digital Oscilloscope</source>
        <translation>Цифровой осциллограф</translation>
    </message>
</context>
<context>
    <name>FunctionGeneratorView</name>
    <message>
        <location filename="../views/functiongenerator/functiongeneratorview.cpp" line="+41"/>
        <source>Function Generator</source>
        <translation>Функциональный генератор</translation>
    </message>
</context>
<context>
    <name>InitializationContentWidget</name>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="+32"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="+257"/>
        <location line="+23"/>
        <source>Found modules</source>
        <translation>Найденные модули</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Device type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="-116"/>
        <location line="+117"/>
        <source>Initialize</source>
        <translation>Инициализировать</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Autoinitialize all found modules (after application restart)</source>
        <translation>Автоматически инициализировать все найденные модули (после перезапуска программы)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+28"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location line="-28"/>
        <location line="+28"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="-8"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="-5"/>
        <source>Turn demo mode</source>
        <translation>Демо-режим</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="-214"/>
        <location line="+214"/>
        <source>Demo mode on</source>
        <translation>Демо-режим включён</translation>
    </message>
    <message>
        <location line="-119"/>
        <location line="+127"/>
        <source>Modules not found</source>
        <translation>Модули не найдены</translation>
    </message>
    <message>
        <location line="-126"/>
        <location line="+127"/>
        <source>Restart autosearch</source>
        <translation>Повторить поиск</translation>
    </message>
    <message>
        <location line="-109"/>
        <location line="+113"/>
        <location line="+3"/>
        <source>Modules initialization</source>
        <translation>Инициализация модулей</translation>
    </message>
    <message>
        <location line="-87"/>
        <location line="+88"/>
        <source>Start working with devices</source>
        <translation>Начать работу с устройствами</translation>
    </message>
</context>
<context>
    <name>InitializationToolBarWidget</name>
    <message>
        <location filename="../ui/initializationtoolbarwidget.ui" line="+19"/>
        <location filename="../ui/initializationtoolbarwidget.cpp" line="+12"/>
        <location line="+12"/>
        <source>Hardware initialization</source>
        <translation>Инициализация оборудования</translation>
    </message>
</context>
<context>
    <name>InstrumentsToolBarWidget</name>
    <message>
        <location filename="../ui/instrumentstoolbarwidget.ui" line="+15"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Show settings page</source>
        <translation>Показать страницу настроек</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Pin current device</source>
        <translation>Закрепить текущий прибор</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Take a screenshort</source>
        <translation>Сохранить снимок экрана прибора</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Export data to a text file</source>
        <translation>Экспортировать данные в текстовый файл</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../ui/instrumentstoolbarwidget.cpp" line="+45"/>
        <source>Pralune</source>
        <translation>Pralune</translation>
    </message>
    <message>
        <location filename="../ui/instrumentstoolbarwidget.cpp" line="-2"/>
        <source>Pralune - Instrument selection</source>
        <translation>Pralune - Выбор прибора</translation>
    </message>
</context>
<context>
    <name>PinnedWrapFrame</name>
    <message>
        <location filename="../ui/pinnedwrapframe.ui" line="+75"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Expand device</source>
        <translation>Развернуть прибор</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Close device</source>
        <translation>Закрыть прибор</translation>
    </message>
</context>
<context>
    <name>PowerSupplyView</name>
    <message>
        <location filename="../views/powersupply/powersupplyview.cpp" line="+41"/>
        <source>Power Supply</source>
        <translation>Источник питания</translation>
    </message>
</context>
<context>
    <name>PraluneWindow</name>
    <message>
        <location filename="../ui/pralunewindow.ui" line="+9"/>
        <location filename="../ui/pralunewindow.cpp" line="+232"/>
        <source>Pralune</source>
        <translation>Pralune</translation>
    </message>
    <message>
        <location filename="../ui/pralunewindow.cpp" line="-8"/>
        <source>Return to window view</source>
        <translation>Вернуться в оконный режим</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximize application to full screen</source>
        <translation>Развернуть программу на весь экран</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="-268"/>
        <source>RV31</source>
        <translation>RV31</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HX9</source>
        <translation>HX9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KW7</source>
        <translation>KW7</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KT220</source>
        <translation>KT220</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HX2</source>
        <translation>HX2</translation>
    </message>
    <message>
        <location filename="../app/arrangementscollection.cpp" line="+52"/>
        <source>Last used arrangement</source>
        <translation>Последняя компоновка</translation>
    </message>
    <message>
        <location filename="../app/startup.cpp" line="+26"/>
        <source>pralune</source>
        <translation>pralune</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>corvanta</source>
        <translation>corvanta</translation>
    </message>
    <message>
        <location filename="../ui/viewbase/commonfunctions.cpp" line="+113"/>
        <source>n</source>
        <translation>н</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mk</source>
        <translation>мк</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>m</source>
        <translation>м</translation>
    </message>
</context>
<context>
    <name>SettingsContentWidget</name>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="+90"/>
        <source>Холдинг
Корванта</source>
        <translation>Холдинг
Корванта</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+23"/>
        <location filename="../ui/settingscontentwidget.cpp" line="+274"/>
        <source>Pralune</source>
        <translation>Pralune</translation>
    </message>
    <message>
        <location line="-3"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The&lt;span style=&quot; font-weight:600;&quot;&gt; Application startup&lt;/span&gt; field group&lt;/p&gt;&lt;hr/&gt;&lt;p&gt;contains application settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Группа полей&lt;span style=&quot; font-weight:600;&quot;&gt; «Запуск приложения»&lt;/span&gt;&lt;/p&gt;&lt;hr/&gt;&lt;p&gt;содержит настройки запуска приложения&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Initialize devices automatically</source>
        <translation>Инициализировать устройства автоматически</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+102"/>
        <location line="+28"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location line="-130"/>
        <location line="+102"/>
        <location line="+28"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>Instruments Arrangements</source>
        <translation>Компоновки приборов</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Save current instruments arrangement</source>
        <translation>Сохранить текущую компоновку приборов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save current arrangement</source>
        <translation>Сохранить текущую компоновку</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Apply selected instruments arrangement</source>
        <translation>Применить выбранную компоновку приборов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Remove selected instruments arrangement</source>
        <translation>Удалить выбранную компоновку приборов</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Default instruments arrangement </source>
        <translation>Компоновка по умолчанию</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>&lt;b&gt;Default instruments arrangement &lt;/b&gt;</source>
        <translation>&lt;b&gt;Компоновка приборов по умолчанию&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Restore on start
(default instruments arrangement )</source>
        <translation>Восстанавливать при запуске
(компоновку по умолчанию)</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>&lt;b&gt;Restore on start&lt;/b&gt;&lt;hr&gt; Push to on/off restore default instuments arrangement on start</source>
        <translation>&lt;b&gt;Восстанавливать при запуске&lt;/b&gt;&lt;hr&gt; Включает или выключает восстановление компоновки приборов по умолчанию при запуске</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../ui/settingscontentwidget.cpp" line="+1"/>
        <source>Screen layout</source>
        <translation>Экран</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Start in fullscreen mode</source>
        <translation>Запускать в полноэкранном режиме</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+10"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>&lt;b&gt;Language&lt;/b&gt;</source>
        <translation>&lt;b&gt;Язык&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+10"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>&lt;b&gt;Theme&lt;/b&gt;</source>
        <translation>&lt;b&gt;Тема&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+10"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>&lt;b&gt;Font size&lt;/b&gt;</source>
        <translation>&lt;b&gt;Размер шрифта&lt;/b&gt;</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Standard</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Virtual input panel
(after application restart)</source>
        <translation>Экранная клавиатура
(после перезапуска приложения)</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.cpp" line="+42"/>
        <source>Version: </source>
        <translation>Версия: </translation>
    </message>
</context>
<context>
    <name>SettingsToolBarWidget</name>
    <message>
        <location filename="../ui/settingstoolbarwidget.ui" line="+15"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>dimension prefix</name>
    <message>
        <location filename="../ui/viewbase/commonfunctions.h" line="+22"/>
        <source>k</source>
        <translation>к</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M</source>
        <translation>М</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>G</source>
        <translation>Г</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T</source>
        <translation>Т</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mk</source>
        <translation>мк</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>n</source>
        <translation>н</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>p</source>
        <translation>п</translation>
    </message>
</context>
</TS>
