var inkwrightIndex = {entries: 10,
sections: "3d\u000AUtil\u000ACore",
names: "3d\u000A_reset\u000ABegin\u000Acontent\u000ACore\u000AMiddle\u000Aname\u000Asearch\u000AStop\u000Atype",
sectionOf: "0,1,2,1,2,2,1,1,2,1",
descriptions: "a page of no group\u000Aempties a buffer\u000Astarts the engine\u000Athe content of a buffer\u000Abasic calls of the engine\u000Aruns one step\u000Athe name of a buffer\u000Afinds a byte in a buffer\u000Astops the engine\u000Athe type of a buffer",
hrefs: "\u000A\u000A\u000A\u000A\u000A\u000A\u000Asearch-2.html\u000A\u000A"};
