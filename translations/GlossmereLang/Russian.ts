<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Texts</name>
    <message>
        <source>32771</source>
        <translation>Предыдущая страница
Предыдущая страница</translation>
    </message>
    <message>
        <source>32772</source>
        <translation>Следующая страница
Следующая страница</translation>
    </message>
    <message>
        <source>32783</source>
        <translation>Текущая группа
Текущая группа</translation>
    </message>
    <message>
        <source>32784</source>
        <translation>Область поиска
Область поиска</translation>
    </message>
    <message>
        <source>32785</source>
        <translation>Остановить поиск
Остановить</translation>
    </message>
    <message>
        <source>32786</source>
        <translation>Текст для поиска
Текст для поиска</translation>
    </message>
    <message>
        <source>32787</source>
        <translation>Искать
Искать</translation>
    </message>
    <message>
        <source>32788</source>
        <translation>Размер шрифта
Размер шрифта</translation>
    </message>
    <message>
        <source>32793</source>
        <translation>Упорядочить словари
Упорядочить словари</translation>
    </message>
    <message>
        <source>32795</source>
        <translation>Скопировать файлы словарей в папку &apos;Dictionaries&apos;
Добавить словари</translation>
    </message>
    <message>
        <source>32796</source>
        <translation>Показать информацию о словаре
Информация о словаре</translation>
    </message>
    <message>
        <source>32799</source>
        <translation>Запустить программу компиляции словарей
Компиляция словарей</translation>
    </message>
    <message>
        <source>32800</source>
        <translation>Где взять словари
Загрузить словари</translation>
    </message>
    <message>
        <source>33000</source>
        <translation>Копировать выделенный текст
Копировать</translation>
    </message>
    <message>
        <source>33001</source>
        <translation>Искать выделенный текст
Искать</translation>
    </message>
    <message>
        <source>40102</source>
        <translation>Ошибка установки параметров локализации</translation>
    </message>
    <message>
        <source>40104</source>
        <translation>Ошибка установки вида словарных статей</translation>
    </message>
    <message>
        <source>40105</source>
        <translation>Ошибка установки дополнительной сортировки</translation>
    </message>
    <message>
        <source>40106</source>
        <translation>Ошибка установки вывода времени поиска</translation>
    </message>
    <message>
        <source>40107</source>
        <translation>Динамическая библиотека отсутствует или повреждена:&#13;
%s</translation>
    </message>
    <message>
        <source>40108</source>
        <translation>Не найдено имя библиотеки</translation>
    </message>
    <message>
        <source>40110</source>
        <translation>Ошибка установки области поиска</translation>
    </message>
    <message>
        <source>40111</source>
        <translation>Ошибка установки размера шрифта. Размер шрифта должен быть целым числом от %d до %d.</translation>
    </message>
    <message>
        <source>40112</source>
        <translation>Ошибка установки признака первого запуска</translation>
    </message>
    <message>
        <source>40113</source>
        <translation>Программа компиляции словарей не найдена</translation>
    </message>
    <message>
        <source>40114</source>
        <translation>Не удалось установить признак сокращённого окна менеджера словарей</translation>
    </message>
    <message>
        <source>40203</source>
        <translation>Время поиска: %.4lf [с]</translation>
    </message>
    <message>
        <source>40204</source>
        <translation>Поиск текста прерван</translation>
    </message>
    <message>
        <source>40205</source>
        <translation>%sТекст «%s%s%s» не найден в группе «%s%s%s»%s</translation>
    </message>
    <message>
        <source>40206</source>
        <translation>Введите текст для поиска</translation>
    </message>
    <message>
        <source>40211</source>
        <translation>Этот словарь уже установлен</translation>
    </message>
    <message>
        <source>40212</source>
        <translation>Эти словари уже установлены</translation>
    </message>
    <message>
        <source>40213</source>
        <translation>Нажмите кнопку «Добавить словари», чтобы установить словари из указанного места.</translation>
    </message>
    <message>
        <source>40304</source>
        <translation>Идёт поиск текста</translation>
    </message>
    <message>
        <source>40305</source>
        <translation>Файлы словарей или параллельных текстов не найдены.</translation>
    </message>
    <message>
        <source>40306</source>
        <translation>В группе &apos;%s&apos; нет включённых словарей.</translation>
    </message>
    <message>
        <source>40307</source>
        <translation>Поиск недоступен</translation>
    </message>
    <message>
        <source>40308</source>
        <translation>Введите название группы</translation>
    </message>
    <message>
        <source>40309</source>
        <translation>Группа с таким названием уже существует</translation>
    </message>
    <message>
        <source>40310</source>
        <translation>Первую группу словарей удалить нельзя</translation>
    </message>
    <message>
        <source>40311</source>
        <translation>Справка на английском языке не найдена</translation>
    </message>
    <message>
        <source>40315</source>
        <translation>Файл информации о словаре не найден</translation>
    </message>
    <message>
        <source>40316</source>
        <translation>Файл
&apos;%s&apos;
нельзя удалить.
Он занят другой программой или нет прав доступа.</translation>
    </message>
    <message>
        <source>40317</source>
        <translation>Словарь &apos;%s&apos; установлен для всех пользователей, удалить его здесь нельзя.</translation>
    </message>
    <message>
        <source>40402</source>
        <translation>Остановить поиск текста?</translation>
    </message>
    <message>
        <source>40403</source>
        <translation>Удалить группу &apos;%s&apos;?</translation>
    </message>
    <message>
        <source>40404</source>
        <translation>Удалить словарь &apos;%s&apos;?</translation>
    </message>
    <message>
        <source>40504</source>
        <translation>Список словарей</translation>
    </message>
    <message>
        <source>40510</source>
        <translation>INI-файл; раздел &apos;%s&apos;; ключ = &apos;%s&apos;</translation>
    </message>
    <message>
        <source>40511</source>
        <translation>&lt;CENTER&gt;%s&lt;B&gt;%s&lt;/B&gt;&lt;/FONT&gt;&lt;BR&gt; Страница &lt;B&gt;%s&lt;/B&gt; из &lt;B&gt;%s&lt;/B&gt;, статьи &lt;B&gt;%s&lt;/B&gt; - &lt;B&gt;%s&lt;/B&gt; из &lt;B&gt;%s&lt;/B&gt;&lt;/CENTER&gt;&lt;BR&gt;</translation>
    </message>
    <message>
        <source>40512</source>
        <translation>&lt;center&gt;&lt;font style=&quot;font-size: 40px; color: #EAEAEA&quot;&gt;&lt;br&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Glossmere 2.03&lt;/b&gt;&lt;/font&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>40513</source>
        <translation>&lt;center&gt;&lt;font style=&quot;font-size: 40px; color: #EAEAEA&quot;&gt;&lt;br&gt;&lt;br&gt;&lt;br&gt;&lt;b&gt;Идёт поиск…&lt;/b&gt;&lt;/font&gt;&lt;/center&gt;</translation>
    </message>
    <message>
        <source>40514</source>
        <translation>Везде</translation>
    </message>
    <message>
        <source>40515</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>40516</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>40523</source>
        <translation>Переместить словарь в начало</translation>
    </message>
    <message>
        <source>40524</source>
        <translation>Переместить словарь на 1 позицию вверх</translation>
    </message>
    <message>
        <source>40525</source>
        <translation>Переместить словарь на 1 позицию вниз</translation>
    </message>
    <message>
        <source>40526</source>
        <translation>Переместить словарь в конец</translation>
    </message>
    <message>
        <source>40527</source>
        <translation>Морфологический анализ и лемматизацию выполняет библиотека Radixo, основанная на словарях Hunspell и данных WordNet; каждый из этих компонентов распространяется на условиях собственной лицензии, прилагаемой к программе. Интерфейс построен на библиотеке Qt (LGPL версии 3).</translation>
    </message>
    <message>
        <source>40528</source>
        <translation>Программа и поставляемые с ней словари охраняются законом об авторском праве. Несанкционированное копирование и распространение их или любой их части запрещено.</translation>
    </message>
    <message>
        <source>40531</source>
        <translation>Файлы словарей (*.gmd)|*.gmd|</translation>
    </message>
    <message>
        <source>40533</source>
        <translation>Выберите файлы словарей</translation>
    </message>
    <message>
        <source>40535</source>
        <translation>Словарь повреждён: ошибка чтения или устаревший формат файла</translation>
    </message>
    <message>
        <source>40536</source>
        <translation>Включить словарь</translation>
    </message>
    <message>
        <source>40537</source>
        <translation>Включить все словари</translation>
    </message>
    <message>
        <source>40538</source>
        <translation>Отключить словарь</translation>
    </message>
    <message>
        <source>40539</source>
        <translation>Отключить все словари</translation>
    </message>
    <message>
        <source>40540</source>
        <translation>В этой группе включены все словари.</translation>
    </message>
    <message>
        <source>40541</source>
        <translation>Чтобы пользоваться только частью словарей, создайте новую группу.</translation>
    </message>
    <message>
        <source>40542</source>
        <translation>Включённые словари</translation>
    </message>
    <message>
        <source>40543</source>
        <translation>Отключённые словари</translation>
    </message>
    <message>
        <source>40544</source>
        <translation>Удалить файлы словарей</translation>
    </message>
</context>
<context>
    <name>CDictionaryManagerDlg</name>
    <message>
        <source>Dictionary manager</source>
        <translation>Менеджер словарей</translation>
    </message>
    <message>
        <source>More &gt;&gt;</source>
        <translation>Больше &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Less</source>
        <translation>&lt;&lt; Меньше</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Select group of dictionaries:</source>
        <translation>Выберите группу словарей:</translation>
    </message>
    <message>
        <source>Create group</source>
        <translation>Создать группу</translation>
    </message>
    <message>
        <source>Rename group</source>
        <translation>Переименовать группу</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Удалить группу</translation>
    </message>
    <message>
        <source>Add dictionaries</source>
        <translation>Добавить словари</translation>
    </message>
    <message>
        <source>Delete dictionary</source>
        <translation>Удалить словарь</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Dictionaries folder:</source>
        <translation>Папка словарей:</translation>
    </message>
    <message>
        <source>Selected dictionary information</source>
        <translation>Сведения о выбранном словаре</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Articles count:</source>
        <translation>Число статей:</translation>
    </message>
    <message>
        <source>Words count:</source>
        <translation>Число слов:</translation>
    </message>
    <message>
        <source>Additional info</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Important messages</source>
        <translation>Важные сообщения</translation>
    </message>
</context>
<context>
    <name>CGroupNameDlg</name>
    <message>
        <source>Group name</source>
        <translation>Название группы</translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>Interface language</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>Select program interface language:</source>
        <translation>Выберите язык интерфейса программы:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;Organize dictionaries</source>
        <translation>&amp;Упорядочить словари</translation>
    </message>
    <message>
        <source>&amp;Download dictionaries</source>
        <translation>&amp;Загрузить словари</translation>
    </message>
    <message>
        <source>&amp;Add dictionaries</source>
        <translation>&amp;Добавить словари</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Формат</translation>
    </message>
    <message>
        <source>Search &amp;results</source>
        <translation>&amp;Результаты поиска</translation>
    </message>
    <message>
        <source>&amp;Standard view</source>
        <translation>&amp;Стандартный вид</translation>
    </message>
    <message>
        <source>Standard view &amp;with separation</source>
        <translation>Стандартный вид с &amp;разделением</translation>
    </message>
    <message>
        <source>&amp;Table view</source>
        <translation>&amp;Таблица</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>С&amp;ортировка</translation>
    </message>
    <message>
        <source>&amp;Without sorting</source>
        <translation>&amp;Без сортировки</translation>
    </message>
    <message>
        <source>By &amp;alphabet</source>
        <translation>По &amp;алфавиту</translation>
    </message>
    <message>
        <source>By &amp;relevance</source>
        <translation>По &amp;релевантности</translation>
    </message>
    <message>
        <source>&amp;Larger text</source>
        <translation>&amp;Крупнее</translation>
    </message>
    <message>
        <source>S&amp;maller text</source>
        <translation>&amp;Мельче</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Tools toolbar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Search toolbar</source>
        <translation>Панель &amp;поиска</translation>
    </message>
    <message>
        <source>&amp;List of dictionaries</source>
        <translation>&amp;Список словарей</translation>
    </message>
    <message>
        <source>&amp;Delete history</source>
        <translation>&amp;Очистить историю</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Искать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Dictionary &amp;information</source>
        <translation>&amp;Информация о словаре</translation>
    </message>
    <message>
        <source>Dictionary &amp;compilation</source>
        <translation>&amp;Компиляция словарей</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Вызов справки</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Interface &amp;language</source>
        <translation>&amp;Язык интерфейса</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About the program</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Сборка %1</translation>
    </message>
    <message>
        <source>Additional information</source>
        <translation>Дополнительная информация</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Download dictionaries</source>
        <translation>Загрузить словари</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Copy failed</source>
        <translation>Не удалось скопировать</translation>
    </message>
    <message>
        <source>Search failed</source>
        <translation>Не удалось выполнить поиск</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder already holds &apos;%1&apos;.
Replace it?</source>
        <translation>В папке уже есть &apos;%1&apos;.
Заменить его?</translation>
    </message>
</context>
</TS>
