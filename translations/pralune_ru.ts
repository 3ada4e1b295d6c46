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
</context>
</TS>
