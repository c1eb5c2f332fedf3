'HTAApp.sleep.vbs
'For use by the HTAApp class.
WScript.Sleep WScript.Arguments.item(0)
