Kopf

zwei
drëi  
