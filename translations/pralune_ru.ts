<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>InitializationContentWidget</name>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="32"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="250"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="273"/>
        <source>Found modules</source>
        <translation>Найденные модули</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="56"/>
        <source>Device type</source>
        <translation>Тип устройства</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="57"/>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="58"/>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="60"/>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="81"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="157"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="274"/>
        <source>Initialize</source>
        <translation>Инициализировать</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="109"/>
        <source>Autoinitialize all found modules (after application restart)</source>
        <translation>Автоматически инициализировать все найденные модули (после перезапуска программы)</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="117"/>
        <location filename="../ui/initializationcontentwidget.ui" line="145"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="117"/>
        <location filename="../ui/initializationcontentwidget.ui" line="145"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.ui" line="137"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="269"/>
        <source>Turn demo mode</source>
        <translation>Демо-режим</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="62"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="269"/>
        <source>Demo mode on</source>
        <translation>Демо-режим включён</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="150"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="277"/>
        <source>Modules not found</source>
        <translation>Модули не найдены</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="151"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="278"/>
        <source>Restart autosearch</source>
        <translation>Повторить поиск</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="169"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="282"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="285"/>
        <source>Modules initialization</source>
        <translation>Инициализация модулей</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="198"/>
        <location filename="../ui/initializationcontentwidget.cpp" line="286"/>
        <source>Start working with devices</source>
        <translation>Начать работу с устройствами</translation>
    </message>
</context>
<context>
    <name>InitializationToolBarWidget</name>
    <message>
        <location filename="../ui/initializationtoolbarwidget.ui" line="19"/>
        <location filename="../ui/initializationtoolbarwidget.cpp" line="12"/>
        <location filename="../ui/initializationtoolbarwidget.cpp" line="24"/>
        <source>Hardware initialization</source>
        <translation>Инициализация оборудования</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="25"/>
        <source>RV31</source>
        <translation>RV31</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="27"/>
        <source>HX9</source>
        <translation>HX9</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="29"/>
        <source>KW7</source>
        <translation>KW7</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="31"/>
        <source>KT220</source>
        <translation>KT220</translation>
    </message>
    <message>
        <location filename="../ui/initializationcontentwidget.cpp" line="33"/>
        <source>HX2</source>
        <translation>HX2</translation>
    </message>
    <message>
        <location filename="../app/arrangementscollection.cpp" line="52"/>
        <source>Last used arrangement</source>
        <translation>Последняя компоновка</translation>
    </message>
</context>
<context>
    <name>DigitalOscilloscopeView</name>
    <message>
        <location filename="../views/oscilloscope/digitaloscilloscopeview.cpp" line="41"/>
        <source>Digital Oscilloscope</source>
        <translation>Цифровой осциллограф</translation>
    </message>
</context>
<context>
    <name>FunctionGeneratorView</name>
    <message>
        <location filename="../views/functiongenerator/functiongeneratorview.cpp" line="41"/>
        <source>Function Generator</source>
        <translation>Функциональный генератор</translation>
    </message>
</context>
<context>
    <name>SettingsContentWidget</name>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="90"/>
        <source>Холдинг
Корванта</source>
        <translation>Холдинг
Корванта</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="107"/>
        <location filename="../ui/settingscontentwidget.ui" line="130"/>
        <location filename="../ui/settingscontentwidget.cpp" line="274"/>
        <source>Pralune</source>
        <translation>Pralune</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="127"/>
        <location filename="../ui/settingscontentwidget.ui" line="128"/>
        <location filename="../ui/settingscontentwidget.ui" line="129"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The&lt;span style=&quot; font-weight:600;&quot;&gt; Application startup&lt;/span&gt; field group&lt;/p&gt;&lt;hr/&gt;&lt;p&gt;contains application settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Группа полей&lt;span style=&quot; font-weight:600;&quot;&gt; «Запуск приложения»&lt;/span&gt;&lt;/p&gt;&lt;hr/&gt;&lt;p&gt;содержит настройки запуска приложения&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="136"/>
        <source>Initialize devices automatically</source>
        <translation>Инициализировать устройства автоматически</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="143"/>
        <location filename="../ui/settingscontentwidget.ui" line="245"/>
        <location filename="../ui/settingscontentwidget.ui" line="273"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="143"/>
        <location filename="../ui/settingscontentwidget.ui" line="245"/>
        <location filename="../ui/settingscontentwidget.ui" line="273"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="148"/>
        <source>Instruments Arrangements</source>
        <translation>Компоновки приборов</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="163"/>
        <location filename="../ui/settingscontentwidget.ui" line="164"/>
        <location filename="../ui/settingscontentwidget.ui" line="165"/>
        <source>Save current instruments arrangement</source>
        <translation>Сохранить текущую компоновку приборов</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="166"/>
        <source>Save current arrangement</source>
        <translation>Сохранить текущую компоновку</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="171"/>
        <location filename="../ui/settingscontentwidget.ui" line="172"/>
        <location filename="../ui/settingscontentwidget.ui" line="173"/>
        <source>Apply selected instruments arrangement</source>
        <translation>Применить выбранную компоновку приборов</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="174"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="202"/>
        <location filename="../ui/settingscontentwidget.ui" line="203"/>
        <location filename="../ui/settingscontentwidget.ui" line="204"/>
        <source>Remove selected instruments arrangement</source>
        <translation>Удалить выбранную компоновку приборов</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="205"/>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="215"/>
        <source>Default instruments arrangement </source>
        <translation>Компоновка по умолчанию</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="224"/>
        <location filename="../ui/settingscontentwidget.ui" line="225"/>
        <location filename="../ui/settingscontentwidget.ui" line="226"/>
        <source>&lt;b&gt;Default instruments arrangement &lt;/b&gt;</source>
        <translation>&lt;b&gt;Компоновка приборов по умолчанию&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="234"/>
        <source>Restore on start
(default instruments arrangement )</source>
        <translation>Восстанавливать при запуске
(компоновку по умолчанию)</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="242"/>
        <location filename="../ui/settingscontentwidget.ui" line="243"/>
        <location filename="../ui/settingscontentwidget.ui" line="244"/>
        <source>&lt;b&gt;Restore on start&lt;/b&gt;&lt;hr&gt; Push to on/off restore default instuments arrangement on start</source>
        <translation>&lt;b&gt;Восстанавливать при запуске&lt;/b&gt;&lt;hr&gt; Включает или выключает восстановление компоновки приборов по умолчанию при запуске</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="254"/>
        <location filename="../ui/settingscontentwidget.cpp" line="275"/>
        <source>Screen layout</source>
        <translation>Экран</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="263"/>
        <source>Start in fullscreen mode</source>
        <translation>Запускать в полноэкранном режиме</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="278"/>
        <location filename="../ui/settingscontentwidget.ui" line="279"/>
        <location filename="../ui/settingscontentwidget.ui" line="280"/>
        <location filename="../ui/settingscontentwidget.ui" line="290"/>
        <location filename="../ui/settingscontentwidget.ui" line="291"/>
        <location filename="../ui/settingscontentwidget.ui" line="292"/>
        <source>&lt;b&gt;Language&lt;/b&gt;</source>
        <translation>&lt;b&gt;Язык&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="281"/>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="301"/>
        <location filename="../ui/settingscontentwidget.ui" line="302"/>
        <location filename="../ui/settingscontentwidget.ui" line="303"/>
        <location filename="../ui/settingscontentwidget.ui" line="313"/>
        <location filename="../ui/settingscontentwidget.ui" line="314"/>
        <location filename="../ui/settingscontentwidget.ui" line="315"/>
        <source>&lt;b&gt;Theme&lt;/b&gt;</source>
        <translation>&lt;b&gt;Тема&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="304"/>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="316"/>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="316"/>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="321"/>
        <location filename="../ui/settingscontentwidget.ui" line="322"/>
        <location filename="../ui/settingscontentwidget.ui" line="323"/>
        <location filename="../ui/settingscontentwidget.ui" line="333"/>
        <location filename="../ui/settingscontentwidget.ui" line="334"/>
        <location filename="../ui/settingscontentwidget.ui" line="335"/>
        <source>&lt;b&gt;Font size&lt;/b&gt;</source>
        <translation>&lt;b&gt;Размер шрифта&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="324"/>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="336"/>
        <source>Standard</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="336"/>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="341"/>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="350"/>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="350"/>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.ui" line="356"/>
        <source>Virtual input panel
(after application restart)</source>
        <translation>Экранная клавиатура
(после перезапуска приложения)</translation>
    </message>
    <message>
        <location filename="../ui/settingscontentwidget.cpp" line="317"/>
        <source>Version: </source>
        <translation>Версия: </translation>
    </message>
</context>
<context>
    <name>SettingsToolBarWidget</name>
    <message>
        <location filename="../ui/settingstoolbarwidget.ui" line="15"/>
        <location filename="../ui/settingstoolbarwidget.ui" line="16"/>
        <location filename="../ui/settingstoolbarwidget.ui" line="17"/>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location filename="../ui/settingstoolbarwidget.ui" line="24"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
</TS>
