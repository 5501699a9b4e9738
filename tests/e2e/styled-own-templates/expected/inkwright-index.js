var inkwrightIndex = {entries: 3,
sections: "Lib",
names: "Index\u000ASearch\u000Asearch-2",
sectionOf: "0,0,0",
descriptions: "finds an entry; see Search\u000Alooks up a key with Index\u000A2",
hrefs: "\u000ASearch-3.html\u000A"};
