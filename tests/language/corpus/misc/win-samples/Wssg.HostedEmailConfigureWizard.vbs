'
'  <copyright file="Wssg.HostedEmailConfigureWizard.vbs" company="Microsoft">
'    Copyright (C) Microsoft. All rights reserved.
'  </copyright>
'

CreateObject("Wscript.Shell").run "Wssg.HostedEmailConfigureWizard.exe config 3983E9AC-B6D1-4A2A-881C-4B1CEFCA5266"